// espera: acesso_privado na linha 8
class Conta {
    private double saldo;
}
class Programa {
    public static void main(String[] args) {
        Conta c = new Conta();
        c.saldo = 100;
    }
}
