// correção: falta_mais | +
import javax.swing.JOptionPane;

public class Janela {
    public static void main(String[] args) {
        String nome = JOptionPane.showInputDialog("Seu nome:");
        JOptionPane.showMessageDialog(null, "Bem-vindo, " nome);
    }
}
