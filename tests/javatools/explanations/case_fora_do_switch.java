// espera: case_fora_do_switch na linha 8
class Programa {
    public static void main(String[] args) {
        int opcao = 1;
        switch (opcao) {
            case 1: System.out.println("um"); break;
        }
            case 2: System.out.println("dois"); break;
    }
}
