// espera: ponto_e_virgula na linha 4
class Programa {
    public static void main(String[] args) {
        int total = 10
        System.out.println(total);
    }
}
