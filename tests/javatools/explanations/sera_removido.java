// espera: sera_removido na linha 4
class Programa {
    public static void main(String[] args) {
        Double d = new Double(2.5);
    }
}
