// espera: lista_mudou_no_for na linha 10
import java.util.ArrayList;

public class ListaMudou {
    public static void main(String[] args) {
        ArrayList<String> nomes = new ArrayList<>();
        nomes.add("Ana");
        nomes.add("Bia");
        nomes.add("Caio");
        for (String nome : nomes) {
            if (nome.startsWith("A")) {
                nomes.remove(nome);
            }
        }
    }
}
