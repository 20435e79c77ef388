// correção: linha_incompleta | linha 4
public class Saida {
    public static void main(String[] args) {
        String msg = "Olá" +
        System.out.println(msg);
    }
}
