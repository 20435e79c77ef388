// espera: sem_main
public class SemMain {
    public static void main() {
        System.out.println("Olá");
    }
}
