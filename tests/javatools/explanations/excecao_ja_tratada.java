// espera: excecao_ja_tratada na linha 7
class Programa {
    public static void main(String[] args) {
        try {
            int n = Integer.parseInt(args[0]);
        } catch (Exception e) {
        } catch (NumberFormatException e) {
        }
    }
}
