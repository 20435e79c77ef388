// correção: falta_abre_chave | {
public class Media {
   public static void main(String[] args)
   double a = 7, b = 9;
   System.out.println((a + b) / 2);
   }
}
