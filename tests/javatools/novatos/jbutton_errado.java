// correção: nome_parecido | JButton
import javax.swing.*;

public class Tela extends JFrame {
    JButon botao = new JButton("Ok");

    public static void main(String[] args) {
        new Tela();
    }
}
