// correção: falta_mais | +
public class Frase {
    public static void main(String[] args) {
        System.out.println("Bom " "dia");
    }
}
