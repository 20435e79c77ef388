// correção: falta_chave | linha 2
public class Simples {
    public static void main(String[] args) {
        System.out.println("simples");
    }
