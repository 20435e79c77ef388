// correção: falta_mais | +
public class Preco {
    public static void main(String[] args) {
        System.out.println("Preço: R$ " 25);
    }
}
