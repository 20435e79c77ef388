// correção: void_como_tipo | int
public class Vazio {
    public static void main(String[] args) {
        void valor = 5;
        System.out.println(valor);
    }
}
