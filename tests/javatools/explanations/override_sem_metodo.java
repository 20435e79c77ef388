// espera: override_sem_metodo na linha 4
import java.awt.*;
class Programa extends Frame {
    @Override
    public void Paint(Graphics g) { }
}
