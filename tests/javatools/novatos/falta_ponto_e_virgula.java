// correção: ponto_e_virgula | ;
public class Ponto2 {
    public static void main(String[] args) {
        int total = 10
        System.out.println(total);
    }
}
