// correção: nome_parecido | System
public class Escreve {
    public static void main(String[] args) {
        Sytem.out.println("Olá!");
    }
}
