// espera: metodo_precisa_ser_public na linha 4
import java.awt.event.*;
class Programa extends WindowAdapter implements ActionListener {
    void actionPerformed(ActionEvent e) { }
}
