// espera: nao_e_instrucao na linha 5
class Programa {
    public static void main(String[] args) {
        int a = 2, b = 3;
        a * b;
    }
}
