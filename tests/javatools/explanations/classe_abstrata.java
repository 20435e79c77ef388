// espera: classe_abstrata na linha 5
import java.awt.*;
class Programa {
    public static void main(String[] args) {
        Component c = new Component();
    }
}
