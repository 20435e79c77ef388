// correção: ponto_e_virgula_depois_da_condicao | ;
public class Sinal {
    public static void main(String[] args) {
        int n = -3;
        if (n > 0);
        {
            System.out.println("positivo");
        }
        else {
            System.out.println("negativo");
        }
    }
}
