// correção: parenteses_na_classe | {
public class Calculadora() {
    public static void main(String[] args) {
        System.out.println(2 + 2);
    }
}
