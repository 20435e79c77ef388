// correção: falta_chave | linha 5
public class Pares {
    public static void main(String[] args) {
        for (int i = 0; i <= 10; i++) {
            if (i % 2 == 0) {
                System.out.println(i);
        }
    }
}
