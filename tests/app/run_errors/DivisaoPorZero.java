// espera: divisao_por_zero na linha 6
public class DivisaoPorZero {
    public static void main(String[] args) {
        int pessoas = 0;
        int conta = 120;
        int cadaUm = conta / pessoas;
        System.out.println("Cada um paga " + cadaUm);
    }
}
