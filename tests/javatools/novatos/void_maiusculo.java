// correção: maiuscula_em_palavra_reservada | void
public class Ola {
    public static Void main(String[] args) {
        System.out.println("Olá, mundo!");
    }
}
