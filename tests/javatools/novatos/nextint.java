// correção: nome_parecido | nextInt
import java.util.Scanner;

public class Leitor2 {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        int x = teclado.nextint();
        System.out.println(x);
    }
}
