// espera: continue_fora_de_laco na linha 5
class Programa {
    public static void main(String[] args) {
        if (args.length == 0) {
            continue;
        }
    }
}
