// espera: caractere_ilegal na linha 4
class Programa {
    public static void main(String[] args) {
        int resto = 10 # 3;
    }
}
