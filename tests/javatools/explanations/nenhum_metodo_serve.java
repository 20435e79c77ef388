// espera: nenhum_metodo_serve na linha 5
class Programa {
    public static void main(String[] args) {
        int idade = 15;
        System.out.println("Idade:", idade);
    }
}
