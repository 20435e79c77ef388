// espera: tipos_incompativeis na linha 5
class Programa {
    public static void main(String[] args) {
        int[] numeros = {1, 2, 3};
        int primeiro = numeros;
    }
}
