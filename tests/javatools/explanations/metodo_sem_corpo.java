// espera: metodo_sem_corpo na linha 3
class Programa {
    static void saudar();
    {
        System.out.println("Olá");
    }
}
