// espera: main_sem_static
public class MainSemStatic {
    public void main(String[] args) {
        System.out.println("Olá");
    }
}
