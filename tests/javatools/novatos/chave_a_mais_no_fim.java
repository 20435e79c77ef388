// correção: sobra_chave | linha 7
public class Fim {
    public static void main(String[] args) {
        System.out.println("fim");
    }
}
}
