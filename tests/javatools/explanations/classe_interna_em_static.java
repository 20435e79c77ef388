// espera: classe_interna_em_static na linha 7
class Programa {
    class Ponto {
        int x, y;
    }
    public static void main(String[] args) {
        Ponto p = new Ponto();
    }
}
