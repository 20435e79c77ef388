// espera: entrada_acabou na linha 9
// fim da entrada
import java.util.Scanner;

public class EntradaAcabou {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        System.out.print("Seu nome: ");
        String nome = teclado.nextLine();
        System.out.println("Olá, " + nome);
    }
}
