// correção: maiuscula_em_palavra_reservada | public
Public class Saudacao {
    public static void main(String[] args) {
        System.out.println("Bom dia!");
    }
}
