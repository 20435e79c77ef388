// espera: numero_grande_demais na linha 4
class Programa {
    public static void main(String[] args) {
        long populacao = 8000000000;
    }
}
