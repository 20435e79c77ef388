// espera: simbolo_metodo na linha 5
class Programa {
    public static void main(String[] args) {
        String texto = "abc";
        System.out.println(texto.toUppercase());
    }
}
