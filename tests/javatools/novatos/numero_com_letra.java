// correção: numero_colado_no_nome | *
public class Conta {
    public static void main(String[] args) {
        int a = 4;
        int b = 5a;
        System.out.println(b);
    }
}
