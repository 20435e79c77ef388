// correção: x_como_vezes | *
public class Area {
    public static void main(String[] args) {
        int area = 2x3;
        System.out.println("Área: " + area);
    }
}
