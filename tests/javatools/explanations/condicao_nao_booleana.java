// espera: condicao_nao_booleana na linha 5
class Programa {
    public static void main(String[] args) {
        int n = 4;
        if (n = 0) {
        }
    }
}
