// correção: falta_chave | linha 5
public class Aprovacao {
    public static void main(String[] args) {
        int nota = 8;
        if (nota >= 7) {
            System.out.println("Aprovado");

        System.out.println("Fim");
    }
}
