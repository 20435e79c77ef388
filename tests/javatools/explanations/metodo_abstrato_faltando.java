// espera: metodo_abstrato_faltando na linha 3
import java.awt.event.*;
class Programa implements ActionListener {
    public void actionPerformed() { }
}
