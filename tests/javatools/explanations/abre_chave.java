// espera: abre_chave na linha 2
class Programa
    public static void main(String[] args) {
    }
}
