// correção: ponto_e_virgula | ;
import javax.swing.*;
import java.awt.event.*;

public class Clique extends JFrame {
    JButton botao = new JButton("Clique");

    public Clique() {
        botao.addActionListener(new ActionListener() {
            public void actionPerformed(ActionEvent e) {
                JOptionPane.showMessageDialog(null, "Clicou")
            }
        });
        add(botao);
    }
}
