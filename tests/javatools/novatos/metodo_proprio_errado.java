// correção: nome_parecido | calcularArea
public class Retangulo {
    static double calcularArea(double b, double h) {
        return b * h;
    }

    public static void main(String[] args) {
        System.out.println(calcularAria(3, 4));
    }
}
