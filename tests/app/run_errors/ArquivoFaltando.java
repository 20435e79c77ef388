// espera: arquivo_nao_encontrado na linha 8
import java.io.File;
import java.io.FileNotFoundException;
import java.util.Scanner;

public class ArquivoFaltando {
    public static void main(String[] args) throws FileNotFoundException {
        Scanner arquivo = new Scanner(new File("notas_da_turma.txt"));
        System.out.println(arquivo.nextLine());
    }
}
