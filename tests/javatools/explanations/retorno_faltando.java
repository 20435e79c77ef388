// espera: retorno_faltando na linha 9
class Programa {
    static String conceito(int nota) {
        if (nota >= 6) {
            return "aprovado";
        } else if (nota < 6) {
            return "reprovado";
        }
    }
}
