// correção: nome_parecido | println
public class Linha {
    public static void main(String[] args) {
        System.out.printnl("linha");
    }
}
