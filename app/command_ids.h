#pragma once

// The ids of the window's own commands and menus, declared once: the object
// names of their entries, which the menus are built with and the toolbar,
// the command-state tables and the code refer to. The window checks at start
// that each of them answers (a template's entries are named by the catalogue).
namespace commandid {

// Menus.
inline constexpr char MenuArquivo[] = "Arquivo1";
inline constexpr char MenuEditar[] = "Editar1";
inline constexpr char MenuVisualizar[] = "Visualizar1";
inline constexpr char MenuJava[] = "Java1";
inline constexpr char MenuJsp[] = "JSP1";
inline constexpr char MenuHtml[] = "HTML1";
inline constexpr char MenuApplet[] = "Applet1";
inline constexpr char MenuBancoDeDados[] = "BancodeDados1";
inline constexpr char MenuPacotes[] = "Pacotes1";
inline constexpr char MenuAjuda[] = "Ajuda1";

// "&Arquivo".
inline constexpr char Abrir[] = "Abrir1";
inline constexpr char AbrirExercicio[] = "Abrirexercicio1";
inline constexpr char CriarExercicio[] = "Criarexercicio1";
inline constexpr char SalvarResultado[] = "Salvarresultado1";
inline constexpr char Novo[] = "Novo1";
inline constexpr char Salvar[] = "Salvar1";
inline constexpr char SalvarComo[] = "SalvarComo1";
inline constexpr char Fechar[] = "Fechar1";
inline constexpr char Imprimir[] = "Imprimir1";
inline constexpr char Sair[] = "Sair1";
// "&Editar".
inline constexpr char Desfazer[] = "Desfazer1";
inline constexpr char Refazer[] = "Refazer1";
inline constexpr char Recortar[] = "Recortar1";
inline constexpr char Copiar[] = "Copiar1";
inline constexpr char Colar[] = "Colar1";
inline constexpr char Localizar[] = "Localizar1";
inline constexpr char SelecionarTudo[] = "Selecionartudo1";
inline constexpr char Fonte[] = "Fonte1";
inline constexpr char FormatarCodigo[] = "Formatarcodigo1";
// "&Visualizar".
inline constexpr char Padrao[] = "Padrao1";
inline constexpr char Estruturas[] = "Estruturas1";
inline constexpr char AplicacoesGraficas[] = "AplicacoesGraficas1";
inline constexpr char MenuTema[] = "Tema1";
inline constexpr char TemaClaro[] = "TemaClaro1";
inline constexpr char TemaEscuro[] = "TemaEscuro1";
inline constexpr char TemaAltoContraste[] = "TemaAltocontraste1";
inline constexpr char ModoProjetor[] = "Modoprojetor1";
// "&Java".
inline constexpr char Compilar[] = "Compilarocodigo1";
inline constexpr char Executar[] = "Executarocodigo1";
inline constexpr char ExecutarNoTavessa[] = "ExecutarnoTavessa1";
inline constexpr char Depurar[] = "Depurar1";
inline constexpr char ExecutarAteAqui[] = "ExecutarAteAqui1";
inline constexpr char VerificarEnquantoDigito[] = "Verificarenquantodigito1";
inline constexpr char Testar[] = "Testar1";
inline constexpr char Experimentar[] = "Experimentar1";
// "A&juda".
inline constexpr char AjudaDoKorvine[] = "AjudadoKorvine1";
inline constexpr char SobreKorvine[] = "SobreKorvine1";

// Commands without a menu entry: the console's and the debugger's.
inline constexpr char PararPrograma[] = "PararPrograma";
inline constexpr char ProximoPasso[] = "ProximoPasso";
inline constexpr char Entrar[] = "Entrar";
inline constexpr char SairDoMetodo[] = "SairDoMetodo";
inline constexpr char Continuar[] = "Continuar";
// The breakpoint on the caret's line, the gutter's click by the keyboard.
inline constexpr char AlternarPontoDeParada[] = "AlternarPontoDeParada";

inline constexpr const char *kAll[] = {
    MenuArquivo, MenuEditar, MenuVisualizar, MenuJava, MenuJsp, MenuHtml, MenuApplet, MenuBancoDeDados,
    MenuPacotes, MenuAjuda, Abrir, AbrirExercicio, CriarExercicio, SalvarResultado, Testar, Novo, Salvar, SalvarComo, Fechar, Imprimir, Sair, Desfazer, Refazer,
    Recortar, Copiar, Colar, Localizar, SelecionarTudo, Fonte, FormatarCodigo, Padrao, Estruturas,
    AplicacoesGraficas, TemaClaro, TemaEscuro, TemaAltoContraste, ModoProjetor, Compilar, Executar, ExecutarNoTavessa, Depurar, ExecutarAteAqui, Experimentar, VerificarEnquantoDigito, AjudaDoKorvine, SobreKorvine,
    PararPrograma, ProximoPasso, Entrar, SairDoMetodo, Continuar, AlternarPontoDeParada};

} // namespace commandid
