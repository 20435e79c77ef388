// espera: argumento_invalido na linha 5
public class ArgumentoInvalido {
    public static void main(String[] args) throws InterruptedException {
        int espera = -500;
        Thread.sleep(espera);
    }
}
