// espera: indice_fora_do_vetor_no_laco na linha 6
public class IndiceVetor {
    public static void main(String[] args) {
        int[] notas = {7, 8, 5, 9, 10};
        for (int i = 0; i <= notas.length; i++) {
            System.out.println("Nota: " + notas[i]);
        }
    }
}
