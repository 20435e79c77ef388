// correção: falta_fechamento | )
public class Raiz {
    public static void main(String[] args) {
        double r = Math.sqrt(Math.pow(3, 2) + Math.pow(4, 2);
        System.out.println(r);
    }
}
