// correção: maiuscula_em_palavra_reservada | return
public class Dobro {
    static int dobro(int x) {
        Return x * 2;
    }

    public static void main(String[] args) {
        System.out.println(dobro(21));
    }
}
