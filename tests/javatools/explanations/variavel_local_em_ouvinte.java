// espera: variavel_local_em_ouvinte na linha 10
import java.awt.*;
import java.awt.event.*;
class Programa {
    public static void main(String[] args) {
        Button botao = new Button("Somar");
        int cliques = 0;
        botao.addActionListener(new ActionListener() {
            public void actionPerformed(ActionEvent e) {
                cliques++;
            }
        });
    }
}
