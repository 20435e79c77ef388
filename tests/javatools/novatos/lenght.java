// correção: nome_parecido | length
public class Tamanho {
    public static void main(String[] args) {
        String palavra = "computador";
        System.out.println(palavra.lenght());
    }
}
