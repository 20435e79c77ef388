// espera: system_minusculo na linha 4
class Programa {
    public static void main(String[] args) {
        system.out.println("Olá");
    }
}
