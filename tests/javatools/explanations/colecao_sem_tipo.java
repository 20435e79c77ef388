// espera: colecao_sem_tipo
import java.util.*;
class Programa {
    public static void main(String[] args) {
        Vector lista = new Vector();
        lista.add("um");
    }
}
