// espera: fim_de_arquivo na linha 7
class Programa {
    public static void main(String[] args) {
        for (int i = 0; i < 3; i++) {
            System.out.println(i);
        }
    }
