#include "app/skeletons.h"

namespace {

// One skeleton line: leading blanks, then the text; "%1" stands for the
// document number. An empty text is an empty line.
struct SkeletonLine
{
    int indent;
    const char *text;
};

constexpr SkeletonLine texto[] = {
    {0, "public class semnome%1{"},
    {8, "public static void main(String args[]){"},
    {0, ""},
    {8, "}"},
    {0, "}"},
};

constexpr SkeletonLine awt[] = {
    {0, "import java.awt.*;"},
    {0, "public class semnome%1 extends Frame{"},
    {6, "public semnome%1(){"},
    {0, ""},
    {6, "}"},
    {6, "public boolean action(Event evt, Object arg){"},
    {8, "return true;"},
    {0, ""},
    {6, "}"},
    {6, "public static void main(String args[]){"},
    {14, "new semnome%1();"},
    {6, "}"},
    {0, "}"},
};

constexpr SkeletonLine applet[] = {
    {0, "import java.awt.*;"},
    {0, "import java.applet.*;"},
    {0, "public class semnome%1 extends Applet{"},
    {8, "public void init (){"},
    {0, ""},
    {8, "}"},
    {0, "}"},
};

constexpr SkeletonLine jsp[] = {
    {0, "<html>"},
    {8, "<head>"},
    {16, "<title>                         </title>"},
    {8, "</head>"},
    {0, "<body>"},
    {0, ""},
    {8, "<%"},
    {0, ""},
    {0, ""},
    {8, "%>"},
    {0, ""},
    {0, "</body>"},
    {0, ""},
    {0, "</html>"},
};

constexpr SkeletonLine swing[] = {
    {0, "import javax.swing.*;"},
    {0, "import java.awt.*;"},
    {0, "import java.awt.event.*;"},
    {0, ""},
    {0, "public class semnome%1 extends JFrame{"},
    {0, ""},
    {0, "public semnome%1(){"},
    {7, "Container JANELA = getContentPane();"},
    {7, "JANELA.setLayout(null);"},
    {0, ""},
    {7, "setSize(400,300);"},
    {7, "setVisible(true);"},
    {0, ""},
    {0, "}"},
    {8, "public static void main(String args[]){"},
    {12, "semnome%1 app = new semnome%1();"},
    {12, "app.setDefaultCloseOperation(JFrame.EXIT_ON_CLOSE);"},
    {8, "}"},
    // The closing brace has always been written with a blank after it; the
    // new-document command trims the text afterwards.
    {0, "} "},
};

template<std::size_t N>
QStringList expand(const SkeletonLine (&lines)[N], int n)
{
    QStringList result;
    for (const SkeletonLine &line : lines) {
        QString text = QString::fromUtf8(line.text);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(n);
        result.append(QString(line.indent, QLatin1Char(' ')) + text);
    }
    return result;
}

} // namespace

QStringList skeletonLines(NewDocumentOption option, int n)
{
    switch (option) {
    case NewDocumentOption::Texto:
        return expand(texto, n);
    case NewDocumentOption::Awt:
        return expand(awt, n);
    case NewDocumentOption::Applet:
        return expand(applet, n);
    case NewDocumentOption::Jsp:
        return expand(jsp, n);
    case NewDocumentOption::Swing:
        return expand(swing, n);
    }
    return {};
}
