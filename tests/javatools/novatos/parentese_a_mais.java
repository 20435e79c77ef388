// correção: sobra_fechamento | )
public class Mostra {
    public static void main(String[] args) {
        System.out.println("Resultado"));
    }
}
