// espera: vetor_esperado na linha 5
class Programa {
    public static void main(String[] args) {
        String nome = "Ana";
        char c = nome[0];
    }
}
