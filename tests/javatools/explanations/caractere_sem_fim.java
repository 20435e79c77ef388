// espera: caractere_sem_fim na linha 4
class Programa {
    public static void main(String[] args) {
        char letra = 'a;
    }
}
