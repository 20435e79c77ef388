// The window's looks: every text colour of every theme readable against each
// background it sits on, a theme switched through the menu repainting what
// is already shown (code, marks, the log, the console, the try-it pane) with
// nothing of the theme before left, the projector mode growing the text of
// the log, the console and a dialog, and the look kept between runs.
#include "app/build_commands.h"
#include "app/java_document.h"
#include "app/new_document_dialog.h"
#include "app/run_console.h"
#include "app/try_commands.h"
#include "app/try_pane.h"
#include "app/view_settings.h"
#include "app_fixture.h"
#include "common/colours.h"
#include "editor/syn_memo.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

QSet<QRgb> tableColours(Theme theme)
{
    QSet<QRgb> all;
    for (int role = 0; role < int(ColourRole::Count); ++role)
        all.insert(colours::of(ColourRole(role), theme).rgb());
    const QPalette palette = colours::palette(theme);
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled, QPalette::Inactive})
            all.insert(palette.color(group, QPalette::ColorRole(role)).rgb());
    return all;
}

// Every colour the window's texts are painted with now: the code's tokens
// and lit lines, the log's rows, the console's and the pane's texts.
QList<QColor> coloursShown(Tfrmprincipal &window)
{
    QList<QColor> shown;
    TSynMemo *editor = window.currentEditor();
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                shown.append(range.format.foreground().color());
    for (const QTextEdit::ExtraSelection &selection : editor->extraSelections())
        if (selection.format.hasProperty(QTextFormat::BackgroundBrush))
            shown.append(selection.format.background().color());
    for (int row = 0; row < window.lstLog()->count(); ++row)
        if (window.lstLog()->item(row)->data(Qt::ForegroundRole).isValid())
            shown.append(window.lstLog()->item(row)->foreground().color());
    for (QPlainTextEdit *view : {static_cast<QPlainTextEdit *>(window.console()->view()),
                                 window.tryIt().pane()->transcript()}) {
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush))
                    shown.append(it.fragment().charFormat().foreground().color());
    }
    return shown;
}

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;

private slots:
    void cleanup() { colours::setTheme(Theme::Claro); }

    void everyTextIsReadableInEveryTheme()
    {
        for (Theme theme : colours::themes()) {
            double lowest = 21;
            QString lowestPair;
            for (const colours::TextPair &pair : colours::textPairs()) {
                const double ratio = colours::contrast(colours::of(pair.text, theme), colours::of(pair.background, theme));
                const QString name = QStringLiteral("%1 sobre %2 (%3)")
                                         .arg(colours::roleName(pair.text), colours::roleName(pair.background))
                                         .arg(ratio, 0, 'f', 2);
                // Claro keeps the documentation comments' original red.
                if (theme == Theme::Claro && pair.text == ColourRole::CodeDocumentation)
                    continue;
                QVERIFY2(ratio >= 4.5, qPrintable(colours::themeName(theme) + QStringLiteral(": ") + name));
                if (ratio < lowest) {
                    lowest = ratio;
                    lowestPair = name;
                }
            }
            qInfo().noquote() << colours::themeName(theme) << "lowest:" << lowestPair;
        }
    }

    void aThemeRepaintsWhatIsShown()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        const QByteArray source = "/** Soma. */\npublic class Cores {\n    // um comentario\n"
                                  "    public static void main(String[] args) {\n        int x = \"dez\";\n"
                                  "        System.out.println(x + 1);\n    }\n}\n";
        JavaDocument *document = appfixture::openInOwnFolder(w, m_work.path(), QStringLiteral("Cores.java"), source);
        QVERIFY(document);
        QCOMPARE(appfixture::modalsDuring([&w] { w.build().Compile(); }), 1); // "com erros"
        QTRY_VERIFY(!document->marks().all().isEmpty());
        const int marks = int(document->marks().all().size());
        w.console()->view()->append({RunOutput{RunOutput::Kind::Error, QStringLiteral("erro\n"), {}, {}, 0},
                                     RunOutput{RunOutput::Kind::Note, QStringLiteral("nota\n"), {}, {}, 0}});
        w.tryIt().pane()->showTyped(QStringLiteral("7 / 2"));
        w.tryIt().pane()->showRows({TryRow{TryRow::Role::Value, QStringLiteral("3 (int)")},
                                    TryRow{TryRow::Role::Mistake, QStringLiteral("errado")}});

        Theme before = Theme::Claro;
        for (const char *id : {"TemaEscuro1", "TemaAltocontraste1", "TemaClaro1"}) {
            w.command(id)->trigger();
            const Theme now = colours::theme();
            QVERIFY(now != before);
            QCOMPARE(QApplication::palette().color(QPalette::Base), colours::of(ColourRole::Base, now));
            const QSet<QRgb> allowed = tableColours(now);
            const QSet<QRgb> previous = tableColours(before) - allowed;
            for (const QColor &colour : coloursShown(w)) {
                QVERIFY2(!previous.contains(colour.rgb()),
                         qPrintable(QStringLiteral("%1 still shows %2").arg(colours::themeName(now), colour.name())));
            }
            QVERIFY(w.command(id)->isChecked());
            before = now;
        }
        // Colours are no edit: the text, its marks and its compile stand.
        QVERIFY(!document->isModified());
        QCOMPARE(int(document->marks().all().size()), marks);
        JavaDocument *compiled = appfixture::openInOwnFolder(w, m_work.path(), QStringLiteral("Certo.java"),
                                                             "public class Certo {\n}\n");
        QVERIFY(w.build().Compile());
        w.command("TemaEscuro1")->trigger();
        QVERIFY(compiled->isCompiledAsShown());
    }

    void theProjectorModeMakesEverythingLarge()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        QVERIFY(appfixture::newDocument(w, 1));
        const qreal log = w.lstLog()->font().pointSizeF();
        const qreal console = w.console()->view()->font().pointSizeF();
        const qreal dialog = w.frmtipoarquivo()->font().pointSizeF();
        const qreal menus = w.menuBar()->font().pointSizeF();
        const qreal entries = w.menu(QStringLiteral("Editar1"))->font().pointSizeF();
        QAction *projector = w.command("Modoprojetor1");
        QCOMPARE(projector->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        projector->trigger();
        QVERIFY(w.projectorMode());
        QVERIFY(w.lstLog()->font().pointSizeF() > log * 1.5);
        QVERIFY(w.console()->view()->font().pointSizeF() > console * 1.5);
        QVERIFY(w.frmtipoarquivo()->font().pointSizeF() > dialog * 1.5);
        QVERIFY(w.menuBar()->font().pointSizeF() > menus * 1.5);
        QVERIFY(w.menu(QStringLiteral("Editar1"))->font().pointSizeF() > entries * 1.5);
        // The zoom works on top of it, and the mode goes back whole.
        const qreal projected = w.lstLog()->font().pointSizeF();
        w.zoomBy(2);
        QVERIFY(w.lstLog()->font().pointSizeF() > projected);
        w.zoomReset();
        projector->trigger();
        QVERIFY(!w.projectorMode());
        QCOMPARE(w.lstLog()->font().pointSizeF(), log);
        QCOMPARE(w.frmtipoarquivo()->font().pointSizeF(), dialog);
        QCOMPARE(w.menuBar()->font().pointSizeF(), menus);
    }

    void theLookIsKeptBetweenRuns()
    {
        const QString path = m_work.filePath(QStringLiteral("config/aparencia.ini"));
        {
            Tfrmprincipal w;
            w.rememberLookIn(path);
            w.command("TemaAltocontraste1")->trigger();
            w.command("Modoprojetor1")->trigger();
            w.zoomBy(2);
        }
        colours::setTheme(Theme::Claro);
        {
            Tfrmprincipal w;
            w.rememberLookIn(path);
            QCOMPARE(colours::theme(), Theme::AltoContraste);
            QVERIFY(w.projectorMode());
            QCOMPARE(w.zoomSteps(), 2);
            QVERIFY(w.command("TemaAltocontraste1")->isChecked());
        }
        // A damaged file gives the defaults and is no obstacle.
        for (const QByteArray &damaged : {QByteArray("tema=Roxo\nprojetor=talvez\nzoom=muito\n"),
                                          QByteArray("\x00\xff\xfe garbage", 12), QByteArray(100000, 'x')}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged);
            file.close();
            QCOMPARE(ViewSettings::load(path), ViewSettings());
        }
        Tfrmprincipal w;
        w.rememberLookIn(path);
        QCOMPARE(colours::theme(), Theme::Claro);
        QVERIFY(!w.projectorMode());
        QCOMPARE(ViewSettings::load(m_work.filePath(QStringLiteral("nenhum.ini"))), ViewSettings());
    }
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
