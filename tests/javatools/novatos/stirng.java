// correção: nome_parecido | String
public class Texto {
    public static void main(String[] args) {
        Stirng nome = "Lia";
        System.out.println(nome);
    }
}
