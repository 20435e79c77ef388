// espera: length_de_vetor na linha 5
class Programa {
    public static void main(String[] args) {
        int[] v = {1, 2, 3};
        for (int i = 0; i < v.length(); i++) {
        }
    }
}
