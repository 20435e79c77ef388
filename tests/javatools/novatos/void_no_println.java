// correção: void_como_valor | mostrar
public class Valor {
    static void mostrar(int n) {
        System.out.println(n);
    }

    public static void main(String[] args) {
        System.out.println(mostrar(5));
    }
}
