// correção: espaco_no_nome
public class Cadastro {
    public static void main(String[] args) {
        String nome completo = "Maria da Silva";
        System.out.println(nome);
    }
}
