// espera: simbolo_variavel na linha 8
class Programa {
    public static void main(String[] args) {
        int soma = 0;
        for (int i = 1; i <= 3; i++) {
            soma = soma + i;
        }
        System.out.println(Soma);
    }
}
