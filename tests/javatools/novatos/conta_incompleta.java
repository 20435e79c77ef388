// correção: linha_incompleta | linha 5
public class Total {
    public static void main(String[] args) {
        int a = 5;
        int total = a +
    }
}
