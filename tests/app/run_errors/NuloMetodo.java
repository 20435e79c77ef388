// espera: null_metodo na linha 9
public class NuloMetodo {
    static String apelido;

    public static void main(String[] args) {
        String nome = "Maria";
        System.out.println(nome.length());
        String outro = apelido;
        System.out.println(outro.toUpperCase());
    }
}
