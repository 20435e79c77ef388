// correção: sobra_chave | linha 6
public class Fecha {
    public static void main(String[] args) {
        int x = 10;
        System.out.println(x);
        }
        System.out.println("fim");
    }
}
