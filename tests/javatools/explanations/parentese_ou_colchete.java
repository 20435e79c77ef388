// espera: parentese_ou_colchete na linha 4
class Programa {
    public static void main(String[] args) {
        StringBuilder texto = new StringBuilder;
    }
}
