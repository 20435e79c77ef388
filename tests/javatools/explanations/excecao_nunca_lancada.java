// espera: excecao_nunca_lancada na linha 6
class Programa {
    public static void main(String[] args) {
        try {
            System.out.println("oi");
        } catch (java.io.IOException e) {
        }
    }
}
