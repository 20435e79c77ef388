// espera: final_modificada na linha 5
class Programa {
    static final double PI = 3.14;
    public static void main(String[] args) {
        PI = 3.14159;
    }
}
