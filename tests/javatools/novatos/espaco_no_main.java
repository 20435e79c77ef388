// correção: espaco_no_nome | main
public class Inicio {
    public static void mai n(String[] args) {
        System.out.println("Começando");
    }
}
