// espera: catch_sem_try na linha 5
class Programa {
    public static void main(String[] args) {
        int n = Integer.parseInt("12");
        catch (NumberFormatException e) {
        }
    }
}
