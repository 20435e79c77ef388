// correção: declaracao_sem_nome | nome
public class SemNome {
    public static void main(String[] args) {
        String = "José";
        System.out.println("oi");
    }
}
