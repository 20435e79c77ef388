// espera: fecha_colchete na linha 4
class Programa {
    public static void main(String[] args) {
        double[] notas = new double[4;
    }
}
