// espera: fecha_parentese na linha 5
class Programa {
    public static void main(String[] args) {
        int idade = 20;
        System.out.println("Idade: " idade);
    }
}
