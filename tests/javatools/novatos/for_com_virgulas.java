// correção: virgula_no_for | ;
public class Laco {
    public static void main(String[] args) {
        for (int i = 0, i < 5, i++) {
            System.out.println(i);
        }
    }
}
