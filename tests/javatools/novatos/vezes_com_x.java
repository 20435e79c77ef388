// correção: x_como_vezes | *
public class Dobro2 {
    public static void main(String[] args) {
        int valor = 8;
        int resultado = 2xvalor;
        System.out.println(resultado);
    }
}
