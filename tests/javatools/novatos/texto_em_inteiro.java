// correção: texto_em_numero | parseInt
public class Converte {
    public static void main(String[] args) {
        int idade = "15";
        System.out.println(idade);
    }
}
