// correção: parenteses_na_classe | {
import java.util.Scanner;

public class Conversor() {
    public static void main(String[] args) {
        Scanner entrada = new Scanner(System.in);
        double celsius = entrada.nextDouble();
        System.out.println(celsius * 9 / 5 + 32);
    }
}
