// espera: nenhum_construtor_serve na linha 4
class Programa {
    public static void main(String[] args) {
        StringBuilder s = new StringBuilder("a", "b");
    }
}
