// espera: metodo_ja_definido na linha 4
class Programa {
    static int soma(int a, int b) { return a + b; }
    static int soma(int x, int y) { return x + y; }
}
