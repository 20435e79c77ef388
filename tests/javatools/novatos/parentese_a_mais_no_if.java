// correção: sobra_fechamento | )
public class Maior {
    public static void main(String[] args) {
        int a = 5, b = 9;
        if (a > b)) {
            System.out.println(a);
        }
    }
}
