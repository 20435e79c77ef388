// correção: igual_depois_do_metodo | print
public class Igual2 {
    public static void main(String[] args) {
        int x = 3;
        System.out.print = (x);
    }
}
