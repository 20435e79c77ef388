public class Contas {
    public static void main(String[] args) {
        int[] v = {3, 4};
        int soma = 0;
        for (int x : v)
            soma += x;
        String s = null;
        System.out.println(s.length() + soma);
    }
}
