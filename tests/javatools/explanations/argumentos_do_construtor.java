// espera: argumentos_do_construtor na linha 8
class Aluno {
    String nome;
    Aluno(String nome) { this.nome = nome; }
}
class Programa {
    public static void main(String[] args) {
        Aluno a = new Aluno();
    }
}
