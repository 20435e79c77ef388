// espera: variavel_ja_definida na linha 5
class Programa {
    public static void main(String[] args) {
        for (int i = 0; i < 2; i++) {
            int args = i;
        }
    }
}
