// espera: argumento_invalido_do_programa na linha 5
public class ValorRecusado {
    static void sacar(int valor) {
        if (valor < 0)
            throw new IllegalArgumentException("valor negativo");
    }

    public static void main(String[] args) {
        sacar(-50);
    }
}
