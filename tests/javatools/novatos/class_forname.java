// correção: ponto_e_virgula | ;
public class Driver {
    public static void main(String[] args) throws Exception {
        Class<?> tipo = Class.forName("java.lang.String")
        System.out.println(tipo.getName());
    }
}
