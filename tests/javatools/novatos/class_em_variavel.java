// correção: class_como_tipo | int
public class Tipo {
    public static void main(String[] args) {
        class a = 5;
        System.out.println(a);
    }
}
