// correção: igual_na_condicao | ==
public class Compara {
    public static void main(String[] args) {
        int x = 5;
        if (x = 5) {
            System.out.println("cinco");
        }
    }
}
