// correção: espaco_no_nome
public class Estoque {
    public static void main(String[] args) {
        int quantidade em estoque = 50;
        System.out.println(quantidade);
    }
}
