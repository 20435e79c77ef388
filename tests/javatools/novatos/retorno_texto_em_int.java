// correção: retorno_de_outro_tipo | String
public class Nome3 {
    static int pegarNome() {
        return "Carlos";
    }

    public static void main(String[] args) {
        System.out.println(pegarNome());
    }
}
