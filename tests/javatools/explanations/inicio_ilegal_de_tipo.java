// espera: inicio_ilegal_de_tipo na linha 4
class Programa {
    int limite = 10;
    while (limite > 0) { }
}
