// correção: ponto_e_virgula | ;
public class Loja {
    public static void main(String[] args) {
        Default padrao = new Default()
        System.out.println(padrao.nome);
    }
}

class Default {
    String nome = "padrão";
}
