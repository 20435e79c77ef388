// espera: metodo_sem_tipo na linha 3
class Programa {
    static media(int a, int b) {
        return (a + b) / 2;
    }
}
