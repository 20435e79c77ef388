// espera: simbolo na linha 2
import static java.lang.Math.raiz;
class Programa {
}
