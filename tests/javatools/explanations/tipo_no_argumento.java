// espera: tipo_no_argumento na linha 5
class Programa {
    static double metade(double v) { return v / 2; }
    public static void main(String[] args) {
        double m = metade(double 8);
    }
}
