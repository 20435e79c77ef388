// espera: classe_em_pacote
package exercicios;

public class ClasseEmPacote {
    public static void main(String[] args) {
        System.out.println("Olá");
    }
}
