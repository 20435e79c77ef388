// correção: sobra_chave | linha 6
public class Extra {
    public static void main(String[] args) {
        System.out.println("um");
    }
    }

    static void outro() {
        System.out.println("dois");
    }
}
