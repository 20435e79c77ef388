// correção: falta_fechamento | )
public class Nota {
    public static void main(String[] args) {
        double nota = 6.5;
        if ((nota >= 6) {
            System.out.println("Aprovado");
        }
    }
}
