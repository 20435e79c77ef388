// correção: ponto_e_virgula_no_cabecalho | ;
public class Teste;
{
    public static void main(String[] args) {
        System.out.println("teste");
    }
}
