// espera: catch_inalcancavel na linha 8
import java.io.*;
class Programa {
    public static void main(String[] args) {
        try {
            FileInputStream f = new FileInputStream("x");
        } catch (FileNotFoundException e) {
        } catch (IOException e) {
        }
    }
}
