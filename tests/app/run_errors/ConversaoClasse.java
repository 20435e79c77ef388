// espera: conversao_de_classe_texto_para_numero na linha 5
public class ConversaoClasse {
    public static void main(String[] args) {
        Object valor = "42";
        Integer numero = (Integer) valor;
        System.out.println(numero + 1);
    }
}
