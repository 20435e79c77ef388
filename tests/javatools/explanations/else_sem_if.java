// espera: else_sem_if na linha 7
class Programa {
    public static void main(String[] args) {
        int nota = 7;
        if (nota >= 6);
            System.out.println("aprovado");
        else
            System.out.println("reprovado");
    }
}
