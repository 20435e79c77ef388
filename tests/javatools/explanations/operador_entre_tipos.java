// espera: operador_entre_tipos na linha 5
class Programa {
    public static void main(String[] args) {
        String resposta = "s";
        boolean ok = resposta && true;
    }
}
