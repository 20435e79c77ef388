// correção: maiuscula_em_palavra_reservada | static
public class Media {
    public Static void main(String[] args) {
        double nota1 = 7.5;
        double nota2 = 8.0;
        System.out.println((nota1 + nota2) / 2);
    }
}
