// Um programa sem erros: nenhuma explicação.
import java.util.ArrayList;
import java.util.List;

public class Correto {
    static int soma(int[] valores) {
        int total = 0;
        for (int v : valores) {
            total += v;
        }
        return total;
    }

    public static void main(String[] args) {
        List<String> nomes = new ArrayList<>();
        nomes.add("Ana");
        char inicial = 'A';
        double media = soma(new int[] {7, 8, 9}) / 3.0;
        if (media >= 6 && nomes.size() == 1) {
            System.out.println("Olá, " + nomes.get(0) + " (" + inicial + "): " + media);
        }
    }
}
