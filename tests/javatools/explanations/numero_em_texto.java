// espera: numero_em_texto na linha 5
class Programa {
    public static void main(String[] args) {
        int ano = 2024;
        String texto = ano;
    }
}
