// espera: retorno_sem_valor na linha 5
class Programa {
    static int quadrado(int n) {
        int q = n * n;
        return;
    }
}
