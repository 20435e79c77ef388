// espera: atribuicao_a_valor na linha 5
class Programa {
    public static void main(String[] args) {
        int a = 1, b = 2;
        a + b = 3;
    }
}
