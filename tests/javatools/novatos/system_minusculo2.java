// correção: nome_parecido | System
public class Minusculo2 {
    public static void main(String[] args) {
        system.out.println("x");
    }
}
