// correção: igual_depois_do_metodo | println
public class Igual {
    public static void main(String[] args) {
        System.out.println = ("Olá");
    }
}
