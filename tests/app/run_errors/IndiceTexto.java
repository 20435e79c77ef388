// espera: indice_fora_do_texto_na_posicao na linha 5
public class IndiceTexto {
    public static void main(String[] args) {
        String nome = "Ana";
        char ultima = nome.charAt(nome.length());
        System.out.println(ultima);
    }
}
