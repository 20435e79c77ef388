// espera: classe_duplicada na linha 4
class Programa {
}
class Programa {
}
