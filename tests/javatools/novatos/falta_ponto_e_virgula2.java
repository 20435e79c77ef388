// correção: ponto_e_virgula | ;
import java.util.Scanner;

public class Nome4 {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        String nome = teclado.nextLine()
        System.out.println("Oi " + nome);
    }
}
