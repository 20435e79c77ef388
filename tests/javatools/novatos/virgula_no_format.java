// correção: virgula_no_lugar_do_ponto | String.format
public class Formato {
    public static void main(String[] args) {
        double valor = 3.14159;
        String texto = String,format("%.2f", valor);
        System.out.println(texto);
    }
}
