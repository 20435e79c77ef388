// espera: null_elemento_do_vetor na linha 5
public class ElementoNulo {
    public static void main(String[] args) {
        StringBuilder[] linhas = new StringBuilder[2];
        linhas[0].append("oi");
    }
}
