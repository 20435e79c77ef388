// espera: escape_ilegal na linha 4
class Programa {
    public static void main(String[] args) {
        String arquivo = "D:\\trabalhos\dados.txt";
    }
}
