// correção: metodo_sem_corpo | ;
public class Corpo2 {
    static void ola();
    {
        System.out.println("olá");
    }

    public static void main(String[] args) {
        ola();
    }
}
