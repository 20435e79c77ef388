// espera: texto_em_char na linha 4
class Programa {
    public static void main(String[] args) {
        char inicial = "J";
    }
}
