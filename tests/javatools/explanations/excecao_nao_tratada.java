// espera: excecao_nao_tratada na linha 5
import java.io.*;
class Programa {
    public static void main(String[] args) {
        FileReader leitor = new FileReader("dados.txt");
    }
}
