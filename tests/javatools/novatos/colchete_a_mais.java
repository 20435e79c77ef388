// correção: sobra_fechamento | ]
public class Vetor {
    public static void main(String[] args) {
        int[] numeros = new int[5]];
        System.out.println(numeros.length);
    }
}
