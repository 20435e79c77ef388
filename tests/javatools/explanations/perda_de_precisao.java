// espera: perda_de_precisao na linha 5
class Programa {
    public static void main(String[] args) {
        double media = 7.5;
        int arredondada = media;
    }
}
