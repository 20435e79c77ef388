// espera: decimal_com_virgula na linha 9
// entrada: 7,5
import java.util.Scanner;

public class DecimalVirgula {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        System.out.print("Nota: ");
        double nota = teclado.nextDouble();
        System.out.println(nota * 2);
    }
}
