// espera: comentario_sem_fim na linha 3
class Programa {
    /* Mostra uma saudação.
    public static void main(String[] args) {
        System.out.println("Olá");
    }
}
