// correção: numero_colado_no_nome
public class Alunos {
    public static void main(String[] args) {
        int 2aluno = 10;
        System.out.println(2aluno);
    }
}
