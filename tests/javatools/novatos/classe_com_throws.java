// correção: throws_na_classe | throws
import java.io.*;

public class Arquivo throws IOException {
    public static void main(String[] args) {
        FileReader leitor = new FileReader("dados.txt");
    }
}
