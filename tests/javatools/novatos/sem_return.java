// correção: retorno_faltando | return
public class Maior2 {
    static int maior(int a, int b) {
        if (a > b) {
            return a;
        }
    }

    public static void main(String[] args) {
        System.out.println(maior(3, 4));
    }
}
