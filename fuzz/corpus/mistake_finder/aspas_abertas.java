// correção: texto_sem_fim | "
public class Aspas {
    public static void main(String[] args) {
        System.out.println("Olá mundo);
    }
}
