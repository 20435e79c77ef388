// correção: nome_parecido | String
public class Minusculo {
    public static void main(string[] args) {
        System.out.println("x");
    }
}
