// correção: maiuscula_em_palavra_reservada | else
public class ParOuImpar {
    public static void main(String[] args) {
        int numero = 7;
        if (numero % 2 == 0) {
            System.out.println("Par");
        } Else {
            System.out.println("Impar");
        }
    }
}
