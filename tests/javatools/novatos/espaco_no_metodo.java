// correção: espaco_no_nome | calcularMedia
public class Notas {
    static double calcular Media(double a, double b) {
        return (a + b) / 2;
    }

    public static void main(String[] args) {
        System.out.println(calcularMedia(6, 8));
    }
}
