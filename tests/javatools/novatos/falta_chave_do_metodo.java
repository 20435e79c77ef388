// correção: falta_chave | linha 3
public class DoisMetodos {
    public static void main(String[] args) {
        saudacao();

    static void saudacao() {
        System.out.println("Olá");
    }
}
