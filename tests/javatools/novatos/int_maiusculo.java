// correção: maiuscula_em_palavra_reservada | int
public class Soma {
    public static void main(String[] args) {
        Int a = 5;
        int b = 3;
        System.out.println(a + b);
    }
}
