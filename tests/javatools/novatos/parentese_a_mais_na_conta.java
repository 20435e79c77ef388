// correção: sobra_fechamento | )
public class Conta2 {
    public static void main(String[] args) {
        double media = (7.0 + 8.5) / 2);
        System.out.println(media);
    }
}
