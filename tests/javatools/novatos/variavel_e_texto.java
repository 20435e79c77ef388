// correção: falta_mais | +
public class Idade2 {
    public static void main(String[] args) {
        int idade = 15;
        System.out.println("Você tem " + idade " anos");
    }
}
