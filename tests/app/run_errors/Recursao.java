// espera: recursao_sem_fim na linha 4
public class Recursao {
    static int fatorial(int n) {
        return n * fatorial(n - 1);
    }

    public static void main(String[] args) {
        System.out.println(fatorial(5));
    }
}
