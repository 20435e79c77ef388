// espera: texto_sem_fim na linha 4
class Programa {
    public static void main(String[] args) {
        String nome = "Maria;
        System.out.println(nome);
    }
}
