// espera: tamanho_negativo na linha 5
public class TamanhoNegativo {
    public static void main(String[] args) {
        int quantidade = 3 - 5;
        int[] valores = new int[quantidade];
        System.out.println(valores.length);
    }
}
