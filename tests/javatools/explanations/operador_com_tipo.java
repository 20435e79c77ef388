// espera: operador_com_tipo na linha 5
class Programa {
    public static void main(String[] args) {
        String nome = "a";
        nome++;
    }
}
