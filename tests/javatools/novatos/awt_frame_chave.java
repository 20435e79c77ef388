// correção: falta_chave | linha 5
import java.awt.*;

public class JanelaAwt extends Frame {
    public JanelaAwt() {
        setSize(300, 200);
        setVisible(true);

    public static void main(String[] args) {
        new JanelaAwt();
    }
}
