// correção: nome_parecido | quantidade
public class Estoque2 {
    public static void main(String[] args) {
        int quantidade = 10;
        quantidade = quantidae + 5;
        System.out.println(quantidade);
    }
}
