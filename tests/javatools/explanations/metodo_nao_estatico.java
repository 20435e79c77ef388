// espera: metodo_nao_estatico na linha 5
class Programa {
    int dobro(int n) { return 2 * n; }
    public static void main(String[] args) {
        System.out.println(dobro(4));
    }
}
