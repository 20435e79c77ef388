// correção: declaracao_sem_nome | nome
public class SemNome2 {
    public static void main(String[] args) {
        int = 10;
    }
}
