// Throughput of the Java scanner over a large generated source text: every
// line is scanned with SetLine/Next up to the end of the line, the way the
// editor's highlighter drives it.
#include "editor/java_scanner.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qsizetype kTargetChars = 24 * 1000 * 1000;
constexpr int kRuns = 5;

// One class of varied, realistic code: documentation, comments, strings,
// numbers, operators, generics, annotations and accented names.
QStringList javaClass(int n, QRandomGenerator &random)
{
    const QString name = QStringLiteral("Classe%1").arg(n);
    const int value = int(random.bounded(100000));
    return {
        QStringLiteral("/**"),
        QStringLiteral(" * %1 keeps the state of one window (generated for the benchmark).").arg(name),
        QStringLiteral(" * @author aluno%1").arg(n % 97),
        QStringLiteral(" */"),
        QStringLiteral("public class %1 extends JFrame implements ActionListener {").arg(name),
        QStringLiteral("    private static final long serialVersionUID = %1L;").arg(value),
        QStringLiteral("    private JButton jButton%1 = new JButton(\"Botão %1\");").arg(n),
        QStringLiteral("    private int contador = 0x%1, limite = %2;").arg(value, 0, 16).arg(value % 1000),
        QStringLiteral("    private double razão = %1.5e-3;").arg(value % 77),
        QStringLiteral("    /* Block comment spanning"),
        QStringLiteral("       two lines, with \"quotes\" and symbols <>= */"),
        QString(),
        QStringLiteral("    @Override"),
        QStringLiteral("    public void actionPerformed(ActionEvent evento) {"),
        QStringLiteral("        if (evento.getSource() == jButton%1 && contador >= 0) {").arg(n),
        QStringLiteral("            contador += limite >>> 2; // shift without sign"),
        QStringLiteral("            String texto = \"Valor: \\\"\" + contador + '\\n';"),
        QStringLiteral("            for (int i = 0; i < limite; i++) {"),
        QStringLiteral("                razão = razão * 1.0001 - (i % 3 == 0 ? 1 : -1);"),
        QStringLiteral("            }"),
        QStringLiteral("        } else if (!(contador != limite) || contador <= 10) {"),
        QStringLiteral("            System.out.println(\"Fim do laço\" + contador);"),
        QStringLiteral("        }"),
        QStringLiteral("    }"),
        QString(),
        QStringLiteral("    public static void main(String[] args) throws Exception {"),
        QStringLiteral("\tList<Map<String, Integer>> lista = new ArrayList<>();"),
        QStringLiteral("\tnew %1().setVisible(true);").arg(name),
        QStringLiteral("    }"),
        QStringLiteral("}"),
        QString(),
    };
}

} // namespace

int main()
{
    QRandomGenerator random(42);
    std::vector<QString> lines;
    qsizetype chars = 0;
    for (int n = 1; chars < kTargetChars; ++n) {
        for (const QString &line : javaClass(n, random)) {
            chars += line.size() + 2; // CR LF
            // A heap copy, like a document's block text (literals would be
            // copied on each SetLine to get their terminating NUL).
            lines.push_back(QString(line.constData(), line.size()));
        }
    }

    JavaScanner scanner;
    std::vector<double> seconds;
    qint64 tokens = 0;
    for (int run = 0; run < kRuns; ++run) {
        tokens = 0;
        QElapsedTimer timer;
        timer.start();
        scanner.ResetRange();
        for (size_t i = 0; i < lines.size(); ++i) {
            for (scanner.SetLine(lines[i], int(i)); !scanner.GetEol(); scanner.Next())
                ++tokens;
        }
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    const double megabytes = double(chars) / 1e6;
    std::printf("scanned %.1f MB (%zu lines, %lld tokens) per run\n", megabytes, lines.size(),
                static_cast<long long>(tokens));
    std::printf("median of %d runs: %.3f s, %.1f MB/s\n", kRuns, median, megabytes / median);
    return 0;
}
