// espera: void_nao_permitido na linha 5
class Programa {
    static void linha() { System.out.println("-----"); }
    public static void main(String[] args) {
        String s = "x" + linha();
    }
}
