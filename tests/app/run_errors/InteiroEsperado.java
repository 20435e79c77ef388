// espera: inteiro_esperado na linha 8
// entrada: sete
import java.util.Scanner;

public class InteiroEsperado {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        int idade = teclado.nextInt();
        System.out.println(idade);
    }
}
