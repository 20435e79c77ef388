// correção: length_de_texto | length()
public class Tamanho2 {
    public static void main(String[] args) {
        String s = "abc";
        System.out.println(s.length);
    }
}
