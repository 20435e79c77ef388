// espera: identificador_esperado na linha 4
class Programa {
    int x;
    x = 5;
}
