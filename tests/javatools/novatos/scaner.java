// correção: nome_parecido | Scanner
import java.util.Scanner;

public class Leitor {
    public static void main(String[] args) {
        Scaner teclado = new Scanner(System.in);
        int x = teclado.nextInt();
    }
}
