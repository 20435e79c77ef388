// correção: maiuscula_em_palavra_reservada | for
public class Tabuada {
    public static void main(String[] args) {
        int n = 5;
        For (int i = 1; i <= 10; i++) {
            System.out.println(n + " x " + i + " = " + (n * i));
        }
    }
}
