// espera: fecha_chave na linha 4
class Programa {
    public static void main(String[] args) {
        String[] dias = {"seg", "ter";
    }
}
