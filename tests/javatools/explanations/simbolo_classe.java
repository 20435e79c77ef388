// espera: simbolo_classe na linha 4
class Programa {
    public static void main(String[] args) {
        ArrayList<String> nomes = new ArrayList<>();
    }
}
