// espera: declaracao_nao_permitida na linha 5
class Programa {
    public static void main(String[] args) {
        for (int i = 0; i < 3; i++)
            int dobro = 2 * i;
    }
}
