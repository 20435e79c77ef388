// correção: retorno_em_metodo_void | void
public class Quadrado {
    static void quadrado(int n) {
        return n * n;
    }

    public static void main(String[] args) {
        quadrado(4);
    }
}
