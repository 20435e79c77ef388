// correção: fora_do_metodo | main
public class Repete {
    for (int i = 0; i < 3; i++) {
        System.out.println(i);
    }
    public static void main(String[] args) {
    }
}
