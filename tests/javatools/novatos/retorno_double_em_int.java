// correção: retorno_de_outro_tipo | double
public class Media2 {
    static int media(int a, int b) {
        return (a + b) / 2.0;
    }

    public static void main(String[] args) {
        System.out.println(media(7, 8));
    }
}
