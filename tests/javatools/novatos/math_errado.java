// correção: nome_parecido | Math
public class Raiz2 {
    public static void main(String[] args) {
        double r = Mat.sqrt(16);
        System.out.println(r);
    }
}
