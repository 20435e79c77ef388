// correção: modificador_em_variavel_local | public
import java.util.Scanner;
public class Salario {
   public static void main(String[] args) {
   public Scanner ler = new Scanner(System.in);
   double horas = ler.nextDouble();
   System.out.println(horas * 12.5);
   }
}
