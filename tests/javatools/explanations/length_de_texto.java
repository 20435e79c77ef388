// espera: length_de_texto na linha 5
class Programa {
    public static void main(String[] args) {
        String palavra = "casa";
        int letras = palavra.length;
    }
}
