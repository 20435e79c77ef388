// correção: nao_inicializada
public class Inicio2 {
    public static void main(String[] args) {
        int soma;
        soma = soma + 1;
        System.out.println(soma);
    }
}
