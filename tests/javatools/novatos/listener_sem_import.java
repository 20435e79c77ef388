// correção: simbolo_classe | import
import javax.swing.*;

public class Botao extends JFrame {
    JButton ok = new JButton("OK");

    public Botao() {
        ok.addActionListener(new ActionListener() {
            public void actionPerformed(ActionEvent e) {
                System.out.println("clicou");
            }
        });
    }
}
