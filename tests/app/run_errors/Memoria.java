// espera: memoria_esgotada na linha 4
public class Memoria {
    public static void main(String[] args) {
        long[] enorme = new long[Integer.MAX_VALUE - 8];
        System.out.println(enorme.length);
    }
}
