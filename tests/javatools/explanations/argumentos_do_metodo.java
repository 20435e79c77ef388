// espera: argumentos_do_metodo na linha 7
class Programa {
    static double area(double largura, double altura) {
        return largura * altura;
    }
    public static void main(String[] args) {
        double a = area(3.0);
    }
}
