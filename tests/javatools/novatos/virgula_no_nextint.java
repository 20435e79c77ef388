// correção: virgula_no_lugar_do_ponto | teclado.nextInt
import java.util.Scanner;

public class Leitura {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        int numero = teclado,nextInt();
        System.out.println(numero * 2);
    }
}
