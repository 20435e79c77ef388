// espera: retorno_em_void na linha 4
class Programa {
    static void dobro(int n) {
        return n * 2;
    }
}
