// espera: tipos_incomparaveis na linha 6
class Programa {
    public static void main(String[] args) {
        Integer codigo = 10;
        String digitado = "10";
        if (codigo == digitado) { }
    }
}
