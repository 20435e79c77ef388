// espera: tipo_primitivo_com_ponto na linha 5
class Programa {
    public static void main(String[] args) {
        double valor = 2.5;
        String s = valor.toString();
    }
}
