// correção: texto_em_numero
import java.util.Scanner;

public class Leitura3 {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        int numero = teclado.nextLine();
        System.out.println(numero);
    }
}
