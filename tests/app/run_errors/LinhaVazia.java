// espera: texto_vazio_depois_de_nextint na linha 8
// entrada: 20
import java.util.Scanner;
public class LinhaVazia {
    public static void main(String[] args) {
        Scanner entrada = new Scanner(System.in);
        int idade = entrada.nextInt();
        int ano = Integer.parseInt(entrada.nextLine());
        System.out.println(idade + ano);
    }
}
