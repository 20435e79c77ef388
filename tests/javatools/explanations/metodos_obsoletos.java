// espera: metodos_obsoletos
import java.awt.*;
class Programa {
    public static void main(String[] args) {
        Frame janela = new Frame("Olá");
        janela.show();
    }
}
