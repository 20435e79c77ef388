// correção: void_como_valor | saudar
public class Valor2 {
    static void saudar() {
        System.out.println("oi");
    }

    public static void main(String[] args) {
        String s = "x" + saudar();
    }
}
