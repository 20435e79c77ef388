// espera: aspas_curvas na linha 4
class Programa {
    public static void main(String[] args) {
        String s = “Bom dia”;
    }
}
