// correção: corpo_entre_parenteses | {
public class Corpo {
    public static void main(String[] args) (
        System.out.println("oi");
    )
}
