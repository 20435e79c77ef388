// espera: caractere_vazio na linha 4
class Programa {
    public static void main(String[] args) {
        char separador = '';
    }
}
