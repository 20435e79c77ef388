// correção: falta_mais | +
public class Soma2 {
    public static void main(String[] args) {
        int a = 2, b = 3;
        System.out.println("A soma é " (a + b));
    }
}
