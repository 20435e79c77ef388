// espera: campo_escondido na linha 12
public class CampoEscondido {
    private String[] nomes;

    public CampoEscondido() {
        String[] nomes = new String[3];
        nomes[0] = "Ana";
    }

    public static void main(String[] args) {
        CampoEscondido turma = new CampoEscondido();
        System.out.println(turma.nomes.length);
    }
}
