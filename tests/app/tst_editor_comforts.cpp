#include "app_fixture.h"

#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/run_console.h"
#include "app/variables_panel.h"
#include "editor/java_scanner.h"
#include "editor/syn_memo.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QWheelEvent>

// What the editor does as the student types, zooms and formats, through the
// real window and real keys.
class TestEditorComforts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Tfrmprincipal> m_window;
    QTemporaryDir m_work;

    Tfrmprincipal &w() { return *m_window; }
    TSynMemo *editor() { return w().currentEditor(); }

    JavaDocument *open(const QString &name, const QByteArray &source)
    {
        QFile file(m_work.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
            return nullptr;
        file.close();
        return w().files().openFile(file.fileName());
    }

    void caretAt(int line, int column)
    {
        QTextCursor cursor(editor()->document()->findBlockByNumber(line - 1));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
        editor()->setTextCursor(cursor);
    }

    // The code's tokens, blanks left out: what formatting must not change.
    static QStringList tokens(const QString &text)
    {
        QStringList result;
        JavaScanner scanner;
        int number = 0;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            for (scanner.SetLine(line, number++); !scanner.GetEol(); scanner.Next()) {
                if (scanner.GetTokenID() != tkSpace)
                    result << scanner.GetToken().trimmed();
            }
        }
        return result;
    }

    // The characters the editor shows marked as a bracket pair or a lone
    // bracket, as "line:column" (1-based).
    QStringList bracketMarks(const QColor &colour)
    {
        QStringList marks;
        for (const QTextEdit::ExtraSelection &s : editor()->extraSelections()) {
            if (s.format.background().color() != colour || !s.cursor.hasSelection())
                continue;
            const QTextBlock block = editor()->document()->findBlock(s.cursor.selectionStart());
            marks << QStringLiteral("%1:%2").arg(block.blockNumber() + 1).arg(s.cursor.selectionStart() - block.position() + 1);
        }
        return marks;
    }

private slots:
    void init()
    {
        m_window = std::make_unique<Tfrmprincipal>(m_work.path());
        QVERIFY(appfixture::showWindow(w()));
    }
    void cleanup() { m_window.reset(); }

    // Enter keeps the line's blanks (tabs or spaces), one level more after
    // "{", and puts a "}" right of the caret on a line of its own; "}" on a
    // blank line goes back a level; each is one undo step.
    void indentationFollowsTheCode()
    {
        JavaDocument *document = open("Recuo.java", "public class Recuo {\n"
                                                     "    void f() {\n"
                                                     "\tint x = 1; // \"{\"\n"
                                                     "    }\n"
                                                     "}\n");
        QVERIFY(document);
        caretAt(2, 14);
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(editor()->Lines().Get(2), QStringLiteral("        "));
        QTest::keyClicks(editor(), "if (x > 0) {");
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(editor()->Lines().Get(3), QStringLiteral("            "));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClick(editor(), Qt::Key_BraceRight);
        QCOMPARE(editor()->Lines().Get(4), QStringLiteral("        }"));
        // A tab-indented line gives tabs; a brace inside a text or a comment
        // opens nothing.
        caretAt(6, 18);
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(editor()->Lines().Get(6), QStringLiteral("\t"));
        QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor()->Lines().Count(), 9);
        QCOMPARE(editor()->Lines().Get(5), QStringLiteral("\tint x = 1; // \"{\""));
        QVERIFY(document->isModified());
        // Enter between "{" and "}": the "}" on its own line at the opening
        // line's level, the caret on the indented line between.
        caretAt(2, 14);
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), "while (x < 3) {}");
        QTest::keyClick(editor(), Qt::Key_Left);
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), "x++;");
        QCOMPARE(editor()->Lines().Get(2), QStringLiteral("        while (x < 3) {"));
        QCOMPARE(editor()->Lines().Get(3), QStringLiteral("            x++;"));
        QCOMPARE(editor()->Lines().Get(4), QStringLiteral("        }"));
    }

    // The bracket beside the caret and its partner, brackets in texts and
    // comments left out; a bracket without a partner in red.
    void bracketsShowTheirPartner()
    {
        QVERIFY(open("Pares.java", "public class Pares {\n"
                                  "    String s = \")\" + f(1, (2)); // (\n"
                                  "    int g() { return v[0]; }\n"
                                  "    int h() { return (1; }\n"
                                  "}\n"));
        const QColor pair(180, 225, 180);
        const QColor lone(255, 160, 160);
        caretAt(2, 23); // after "f(", once the lines are coloured
        QTRY_COMPARE(bracketMarks(pair), QStringList({"2:23", "2:30"}));
        caretAt(3, 24); // before "]"
        QCOMPARE(bracketMarks(pair), QStringList({"3:25", "3:23"}));
        caretAt(1, 20); // after the class's "{"
        QCOMPARE(bracketMarks(pair), QStringList({"1:20", "5:1"}));
        caretAt(4, 22); // after the "(" that never closes
        QCOMPARE(bracketMarks(lone), QStringList({"4:22"}));
        QVERIFY(bracketMarks(pair).isEmpty());
        // A text block is a string across its lines: the brackets inside it
        // are text, and the ")" after its closing """ is the call's.
        QVERIFY(open("Bloco.java", "public class Bloco {\n"
                                   "    void f() {\n"
                                   "        System.out.printf(\"\"\"\n"
                                   "            { ( [%d\n"
                                   "            \"\"\", 3);\n"
                                   "    }\n"
                                   "}\n"));
        caretAt(3, 26); // at "printf("
        QTRY_COMPARE(bracketMarks(pair), QStringList({"3:26", "5:19"}));
        caretAt(1, 20);
        QCOMPARE(bracketMarks(pair), QStringList({"1:20", "7:1"}));
    }

    // A screen reader or a magnifier asks the editor where its text is: each
    // character at the place where it is drawn, the editor's own rectangle,
    // and the character under a point.
    void screenReadersFindTheTextWhereItIsDrawn()
    {
        QVERIFY(open("Leitor.java", "public class Leitor {\n    int a;\n    int b;\n}\n"));
        TSynMemo *memo = editor();
        QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(memo);
        QVERIFY(shown && shown->textInterface());
        QCOMPARE(shown->role(), QAccessible::EditableText);
        QCOMPARE(shown->rect(), QRect(memo->mapToGlobal(QPoint(0, 0)), memo->size()));
        QAccessibleTextInterface *text = shown->textInterface();
        const int third = memo->document()->findBlockByNumber(2).position() + 4; // the "i" of "int b"
        QCOMPARE(text->text(third, third + 5), QStringLiteral("int b"));
        QTextCursor at(memo->document());
        at.setPosition(third);
        const QRect drawn(memo->viewport()->mapToGlobal(memo->cursorRect(at).topLeft()), memo->cursorRect(at).size());
        const QRect reported = text->characterRect(third);
        QCOMPARE(reported.top(), drawn.top());
        QCOMPARE(reported.left(), drawn.left());
        QVERIFY(reported.top() > text->characterRect(0).top() + memo->fontMetrics().height());
        QCOMPARE(text->offsetAtPoint(reported.center()), third);
        text->setCursorPosition(third);
        QCOMPARE(memo->textCursor().position(), third);
    }

    // Ctrl+= and Ctrl+- grow and shrink every editor, the log and the
    // console; Ctrl+0 and Ctrl+wheel too; the gutter follows, a page opened
    // later starts zoomed, and the font chosen with "Fonte" stays under the zoom.
    void zoomGrowsEveryViewOfCode()
    {
        QVERIFY(open("A.java", "public class A {}\n"));
        TSynMemo *first = editor();
        const qreal normal = first->font().pointSizeF();
        const qreal log = w().lstLog()->font().pointSizeF();
        const int gutter = first->GutterWidth();
        QCOMPARE(normal, 10.0);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(first, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(first->font().pointSizeF() > normal * 1.3);
        QVERIFY(w().lstLog()->font().pointSizeF() > log * 1.3);
        QVERIFY(w().console()->view()->font().pointSizeF() > normal * 1.3);
        QVERIFY(first->GutterWidth() > gutter);
        // The debugger's panels and the dialogs too.
        const qreal panel = QApplication::font().pointSizeF();
        QVERIFY(w().variables()->stack()->font().pointSizeF() > panel * 1.3);
        QVERIFY(w().variables()->state()->font().pointSizeF() > panel * 1.3);
        QMessageBox box(QMessageBox::Warning, QString(), QStringLiteral("Olá"));
        box.ensurePolished(); // as when it is shown
        QVERIFY(box.font().pointSizeF() > panel * 1.3);
        QVERIFY(open("B.java", "public class B {}\n"));
        QCOMPARE(editor()->font().pointSizeF(), first->font().pointSizeF());
        QTest::keyClick(editor(), Qt::Key_Minus, Qt::ControlModifier);
        QWheelEvent wheel(QPointF(20, 20), editor()->viewport()->mapToGlobal(QPointF(20, 20)), {}, {0, -120},
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor()->viewport(), &wheel);
        QCOMPARE(w().zoomSteps(), 1);
        QTest::keyClick(editor(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(first->font().pointSizeF(), normal);
        QCOMPARE(w().lstLog()->font().pointSizeF(), log);
        QCOMPARE(first->GutterWidth(), gutter);
        QFont chosen = first->BaseFont();
        chosen.setPointSize(14);
        first->SetBaseFont(chosen);
        QTest::keyClick(first, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(first->BaseFont().pointSize(), 14);
        QVERIFY(first->font().pointSizeF() > 15);
    }

    // "Formatar código" on a messy program: only the blanks at the start of
    // lines change, the result is the usual layout, a second time changes
    // nothing, and one undo takes it all back.
    void formattingChangesOnlyIndentation()
    {
        const QString messy = QStringLiteral(
            "import java.util.Scanner;\n"
            "public class Notas {\n"
            "public static void main(String[] args) {\n"
            "  Scanner t = new Scanner(System.in);\n"
            "        int n = t.nextInt();\n"
            "  switch (n) {\n"
            "  case 1:\n"
            "  System.out.println(\"um {\");\n"
            "  break;\n"
            "        default:\n"
            "     System.out.println(\"outro\");\n"
            "     }\n"
            "/* várias\n"
            "      * linhas */\n"
            "if (n > 0)\n"
            "System.out.println(\"positivo\");\n"
            "  else {\n"
            "System.out.println(\"não\" +\n"
            "\"!\");\n"
            "}\n"
            "   String texto = \"\"\"\n"
            "      livre  {\n"
            "  \"\"\";\n"
            "  }\n"
            "   }\n");
        JavaDocument *document = open("Notas.java", messy.toUtf8());
        QVERIFY(document);
        QTest::keyClick(editor(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        const QString formatted = document->text().toPlainText();
        QCOMPARE(tokens(formatted), tokens(messy));
        const QStringList lines = formatted.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(2), QStringLiteral("    public static void main(String[] args) {"));
        QCOMPARE(lines.value(6), QStringLiteral("            case 1:"));
        QCOMPARE(lines.value(7), QStringLiteral("                System.out.println(\"um {\");"));
        QCOMPARE(lines.value(11), QStringLiteral("        }"));
        QCOMPARE(lines.value(13), QStringLiteral("         * linhas */"));
        QCOMPARE(lines.value(15), QStringLiteral("            System.out.println(\"positivo\");"));
        QCOMPARE(lines.value(16), QStringLiteral("        else {"));
        QCOMPARE(lines.value(18), QStringLiteral("                \"!\");"));
        QCOMPARE(lines.value(21), QStringLiteral("      livre  {"));
        QCOMPARE(lines.value(22), QStringLiteral("  \"\"\";"));
        QCOMPARE(lines.value(24), QStringLiteral("}"));
        QVERIFY(document->isModified());
        QTest::keyClick(editor(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(document->text().toPlainText(), formatted);
        QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(document->text().toPlainText(), messy);
        QVERIFY(!document->isModified());
    }

    // Shapes of real code, flush left, come out as they are laid out by hand:
    // a lambda's and an anonymous class's } at the level of the line that
    // opened them, nested brace-less bodies each one level in, the
    // declaration after a multi-line annotation at the annotation's level,
    // a comment inside parentheses at the level of the code below it, and a
    // ternary's ':' at the end of a line going on with the statement.
    void formattingFollowsTheShapesOfRealCode()
    {
        const QStringList laidOut = {
            "import java.util.*;",
            "import javax.swing.*;",
            "public class Formas extends JFrame {",
            "    @SuppressWarnings(value = {",
            "        \"unchecked\"})",
            "    void listar(List<String> nomes, JButton botao) {",
            "        nomes.forEach(n -> {",
            "            System.out.println(n);",
            "        });",
            "        botao.addActionListener(new java.awt.event.ActionListener() {",
            "            public void actionPerformed(java.awt.event.ActionEvent e) {",
            "                setTitle(\"ok\");",
            "            }",
            "        });",
            "    }",
            "    boolean procura(int[] v, int x) {",
            "        for (int i = 0; i < v.length; i++)",
            "            while (v[i] > 0)",
            "                if (v[i]-- == x)",
            "                    return true;",
            "        int maior = Math.max(v[0],",
            "            // o segundo valor",
            "            v[1]);",
            "        String texto = maior > x ?",
            "            \"maior\" :",
            "            \"menor\";",
            "        return texto.isEmpty();",
            "    }",
            "}",
            ""};
        QStringList flush;
        for (const QString &line : laidOut)
            flush << line.trimmed();
        const QString messy = flush.join(QLatin1Char('\n'));
        JavaDocument *document = open("Formas.java", messy.toUtf8());
        QVERIFY(document);
        QTest::keyClick(editor(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(document->text().toPlainText().split(QLatin1Char('\n')), laidOut);
    }

    // A new document with templates inserted (literal blanks) formats into
    // code with the same tokens; a JSP page is left as it is.
    void templatesAndPagesFormat()
    {
        appfixture::newDocument(w(), 1);
        caretAt(4, 0);
        testsupport::answerInputDialog(QStringLiteral("int i = 0; i < 3; i++"));
        w().button(QStringLiteral("spdbfor"))->click();
        testsupport::answerInputDialog(QStringLiteral("i"));
        w().button(QStringLiteral("spdbswitchcase"))->click();
        const QString before = editor()->document()->toPlainText();
        w().menuItem(QStringLiteral("Formatarcodigo1"))->trigger();
        const QString after = editor()->document()->toPlainText();
        QVERIFY(before != after);
        QCOMPARE(tokens(after), tokens(before));

        appfixture::newDocument(w(), 4);
        const QString page = editor()->document()->toPlainText();
        QString said;
        testsupport::answerMessageBox(QMessageBox::Ok, &said);
        w().menuItem(QStringLiteral("Formatarcodigo1"))->trigger();
        QCOMPARE(editor()->document()->toPlainText(), page);
        QVERIFY(said.contains(QStringLiteral("JSP")));
    }
};

QTEST_MAIN(TestEditorComforts)
#include "tst_editor_comforts.moc"
