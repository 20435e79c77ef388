// espera: fora_da_classe na linha 7
class Programa {
    public static void main(String[] args) {
        System.out.println("oi");
    }
}
}
