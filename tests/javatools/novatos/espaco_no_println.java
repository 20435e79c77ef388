// correção: espaco_no_nome | println
public class Mensagem {
    public static void main(String[] args) {
        System.out.print ln("Atenção!");
    }
}
