// espera: inicio_ilegal_de_expressao na linha 4
class Programa {
    public static void main(String[] args) {
        private int contador = 0;
        System.out.println(contador);
    }
}
