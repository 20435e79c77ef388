// correção: simbolo_classe | import
public class Desenho extends Applet {
    public void paint(Graphics g) {
        g.drawString("Olá", 20, 20);
    }
}
