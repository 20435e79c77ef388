// correção: maiuscula_em_palavra_reservada | if
import java.util.Scanner;

public class Idade {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        System.out.print("Digite sua idade: ");
        int idade = teclado.nextInt();
        If (idade >= 18) {
            System.out.println("Maior de idade");
        }
    }
}
