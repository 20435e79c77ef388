// correção: falta_mais | +
public class Boas {
    public static void main(String[] args) {
        String nome = "Ana";
        System.out.println("Olá, " nome);
    }
}
