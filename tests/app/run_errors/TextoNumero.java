// espera: texto_nao_e_numero na linha 5
public class TextoNumero {
    public static void main(String[] args) {
        String idade = "12a";
        int anos = Integer.parseInt(idade);
        System.out.println(anos + 1);
    }
}
