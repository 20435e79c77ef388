// espera: abre_parentese na linha 5
class Programa {
    public static void main(String[] args) {
        int n = 3;
        while n > 0) {
            n--;
        }
    }
}
