// correção: fora_do_metodo | main
public class Condicao {
    int idade = 20;
    if (idade > 18) {
        System.out.println("adulto");
    }

    public static void main(String[] args) {
    }
}
