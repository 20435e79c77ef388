// correção: virgula_no_lugar_do_ponto | System.out
public class Ponto {
    public static void main(String[] args) {
        System,out.println("oi");
    }
}
