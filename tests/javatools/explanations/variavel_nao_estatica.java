// espera: variavel_nao_estatica na linha 5
class Programa {
    int contador = 0;
    public static void main(String[] args) {
        contador++;
    }
}
