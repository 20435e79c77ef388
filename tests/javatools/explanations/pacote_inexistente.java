// espera: pacote_inexistente na linha 2
import java.utl.Scanner;
class Programa {
}
