// correção: falta_chave | linha 8
import java.util.Scanner;

public class Senha {
    public static void main(String[] args) {
        Scanner teclado = new Scanner(System.in);
        String senha = "";
        while (!senha.equals("1234")) {
            System.out.print("Senha: ");
            senha = teclado.nextLine();
    }
}
