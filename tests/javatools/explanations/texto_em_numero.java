// espera: texto_em_numero na linha 4
class Programa {
    public static void main(String[] args) {
        double preco = "9.90";
    }
}
