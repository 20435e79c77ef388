// correção: maiuscula_em_palavra_reservada | while
public class Contagem {
    public static void main(String[] args) {
        int contador = 1;
        While (contador <= 10) {
            System.out.println(contador);
            contador++;
        }
    }
}
