// espera: arquivo_com_outro_nome na linha 2
public class Calculadora {
    public static void main(String[] args) {
    }
}
