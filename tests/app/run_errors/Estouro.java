// espera: divisao_por_zero_depois_de_estouro na linha 7
public class Estouro {
    public static void main(String[] args) {
        int fatorial = 1;
        for (int i = 1; i <= 40; i++)
            fatorial *= i;
        System.out.println(100 / fatorial);
    }
}
