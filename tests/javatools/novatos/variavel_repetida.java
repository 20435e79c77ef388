// correção: variavel_ja_definida
public class Repete2 {
    public static void main(String[] args) {
        int x = 1;
        int x = 2;
        System.out.println(x);
    }
}
