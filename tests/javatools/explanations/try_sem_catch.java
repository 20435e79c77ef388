// espera: try_sem_catch na linha 4
class Programa {
    public static void main(String[] args) {
        try {
            int n = Integer.parseInt("12");
        }
        System.out.println("fim");
    }
}
