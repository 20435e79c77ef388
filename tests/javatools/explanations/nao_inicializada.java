// espera: nao_inicializada na linha 8
class Programa {
    public static void main(String[] args) {
        int maior;
        if (args.length > 0) {
            maior = 1;
        }
        System.out.println(maior);
    }
}
