// espera: codigo_inalcancavel na linha 7
class Programa {
    public static void main(String[] args) {
        while (true) {
            System.out.println("rodando");
        }
        System.out.println("fim");
    }
}
