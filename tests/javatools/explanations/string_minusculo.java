// espera: string_minusculo na linha 4
class Programa {
    public static void main(String[] args) {
        string nome = "Ana";
    }
}
