// correção: fora_do_metodo | main
public class Solto {
    System.out.println("Olá");

    public static void main(String[] args) {
    }
}
