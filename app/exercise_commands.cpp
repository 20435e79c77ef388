#include "app/exercise_commands.h"

#include "app/build_commands.h"
#include "app/class_name.h"
#include "app/document_manager.h"
#include "app/exercise_panel.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/run_commands.h"
#include "common/message_boxes.h"
#include "editor/document_lines.h"
#include "editor/text_file.h"
#include "javatools/case_runner.h"
#include "javatools/java_package.h"
#include "javatools/program_run.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTableWidget>

namespace {

const QString kNoExercise = QStringLiteral("Abra um exercício antes (Arquivo › Abrir exercício…).");
const QString kNoDocument = QStringLiteral("Abra o programa que resolve o exercício antes de testar.");

// Where the document's compiled class is run from, and its name (in its
// package, when it has one).
struct CompiledClass
{
    QString folder;
    QString name;
};

CompiledClass compiledClassOf(const JavaDocument &document, const QStringList &lines)
{
    const PackagePlace package = packagePlace(document.folder(), lines);
    return {package.root.isEmpty() ? document.folder() : package.root, package.qualified(ExtractClassName(lines))};
}

} // namespace

ExerciseCommands::ExerciseCommands(DocumentManager &documents, FileCommands &files, BuildCommands &build,
                                   RunCommands &runs, QMainWindow &window)
    : m_documents(documents), m_files(files), m_build(build), m_runs(runs), m_window(window)
{
    m_dock = new QDockWidget(QStringLiteral("Exercício"), &window);
    m_dock->setObjectName(QStringLiteral("exercicioDock"));
    m_dock->setAccessibleName(QStringLiteral("Exercício"));
    m_panel = new ExercisePanel(m_dock);
    m_dock->setWidget(m_panel);
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    connect(m_panel->testButton(), &QPushButton::clicked, this, &ExerciseCommands::Test);
    connect(m_panel->runCaseButton(), &QPushButton::clicked, this, &ExerciseCommands::RunChosenCase);
    connect(m_panel, &ExercisePanel::placeChosen, this, [this](const QString &file, int line) {
        JavaDocument *document = m_documents.active();
        if (!document)
            return;
        if (JavaDocument *target = m_files.bringForward(QDir(document->folder()).absoluteFilePath(file)))
            target->showCodeLine(line - 1, 0);
    });
}

ExerciseCommands::~ExerciseCommands() = default;

void ExerciseCommands::Open()
{
    const QString path = QFileDialog::getOpenFileName(
        &m_window, QStringLiteral("Abrir exercício"), QString(),
        QStringLiteral("Exercícios (*.exercicio vpl_evaluate.cases *.in);;Todos os arquivos (*)"));
    if (path.isEmpty())
        return;
    // A judge's case opens its whole folder.
    openPath(path.endsWith(QLatin1String(".in")) ? QFileInfo(path).absolutePath() : path);
}

bool ExerciseCommands::openPath(const QString &path)
{
    const exercises::Reading reading = exercises::read(path);
    if (!reading.exercise) {
        messages::error(&m_window, reading.error);
        return false;
    }
    if (m_runner)
        m_runner->stop();
    m_exercise = reading.exercise;
    m_panel->showExercise(*m_exercise);
    m_dock->show();
    m_dock->raise();
    return true;
}

void ExerciseCommands::Test()
{
    if (!m_exercise) {
        messages::information(&m_window, kNoExercise);
        return;
    }
    JavaDocument *document = m_documents.active();
    if (!document) {
        messages::information(&m_window, kNoDocument);
        return;
    }
    m_panel->showTesting();
    const QStringList lines = TextFile::splitLines(document->lines().Text());
    if (!document->isCompiledAsShown() && !m_build.Compile()) {
        const QString first = m_build.firstExplanation();
        m_panel->showCompileError(QStringLiteral("o programa não compila. %1 Veja as mensagens embaixo do editor "
                                                 "e as marcas no código, corrija e teste de novo.")
                                      .arg(first));
        emit testFinished();
        return;
    }
    const CompiledClass compiled = compiledClassOf(*document, lines);
    m_testedSourceHash = QString::fromLatin1(
        QCryptographicHash::hash(lines.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha256).toHex());
    m_passed = 0;
    m_runner = std::make_unique<CaseRunner>(compiled.folder, compiled.name, m_exercise->locale);
    connect(m_runner.get(), &CaseRunner::caseFinished, this, [this](const CaseResult &result) {
        m_passed += result.verdict == Verdict::Correct ? 1 : 0;
        m_panel->showResult(result);
    });
    connect(m_runner.get(), &CaseRunner::finished, this, [this] {
        m_panel->showSummary();
        emit testFinished();
    });
    m_runner->run(m_exercise->cases);
}

void ExerciseCommands::RunChosenCase()
{
    const int row = m_panel->chosenCase();
    if (!m_exercise || row < 0 || row >= m_exercise->cases.size() || m_exercise->cases.at(row).hidden)
        return;
    ProgramRun *run = m_runs.start(false);
    if (!run)
        return;
    // The case's input, typed for the student; then the input ends, as in the test.
    const QStringList input = m_exercise->cases.at(row).input.split(QLatin1Char('\n'));
    for (const QString &line : input)
        run->sendLine(line);
    run->closeInput();
}

void ExerciseCommands::Create()
{
    JavaDocument *document = m_documents.active();
    if (!document) {
        messages::information(&m_window, QStringLiteral("Abra o programa de referência (a solução) antes de "
                                                        "criar o exercício."));
        return;
    }
    if (!document->isCompiledAsShown() && !m_build.Compile())
        return;
    QDialog dialog(&m_window);
    dialog.setWindowTitle(QStringLiteral("Criar exercício"));
    auto *form = new QFormLayout(&dialog);
    auto *title = new QLineEdit(&dialog);
    title->setObjectName(QStringLiteral("titulo"));
    auto *statement = new QPlainTextEdit(&dialog);
    statement->setObjectName(QStringLiteral("enunciado"));
    auto *inputs = new QPlainTextEdit(&dialog);
    inputs->setObjectName(QStringLiteral("entradas"));
    inputs->setPlaceholderText(QStringLiteral("Uma entrada por caso; separe os casos com uma linha só com ---"));
    auto *hidden = new QLineEdit(&dialog);
    hidden->setObjectName(QStringLiteral("ocultos"));
    hidden->setPlaceholderText(QStringLiteral("os números dos casos ocultos, como 3, 4"));
    form->addRow(QStringLiteral("Título:"), title);
    form->addRow(QStringLiteral("Enunciado:"), statement);
    form->addRow(QStringLiteral("Entradas:"), inputs);
    auto *hints = new QPlainTextEdit(&dialog);
    hints->setObjectName(QStringLiteral("dicas"));
    hints->setPlaceholderText(QStringLiteral("uma por linha: o número do caso, dois pontos e a dica (3: e se for zero?)"));
    form->addRow(QStringLiteral("Casos ocultos:"), hidden);
    form->addRow(QStringLiteral("Dicas:"), hints);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;

    Exercise exercise;
    exercise.title = title->text().trimmed().isEmpty() ? QStringLiteral("Exercício") : title->text().trimmed();
    exercise.statementHtml = statement->toPlainText().trimmed();
    QSet<int> hiddenCases;
    for (const QString &n : hidden->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
        hiddenCases.insert(n.trimmed().toInt());
    const QStringList blocks = inputs->toPlainText().split(QRegularExpression(QStringLiteral("\\n?^---$\\n?"),
                                                                              QRegularExpression::MultilineOption));
    QHash<int, QString> hintOf;
    for (const QString &line : hints->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            hintOf.insert(line.left(colon).trimmed().toInt(), line.mid(colon + 1).trimmed());
    }
    for (const QString &block : blocks) {
        ExerciseCase c;
        c.hint = hintOf.value(int(exercise.cases.size() + 1));
        c.name = QString::number(exercise.cases.size() + 1);
        c.input = block;
        c.hidden = hiddenCases.contains(int(exercise.cases.size() + 1));
        c.outputs.append(ExpectedOutput());
        exercise.cases.append(c);
    }
    // The reference solution writes the expected outputs.
    const CompiledClass compiled = compiledClassOf(*document, TextFile::splitLines(document->lines().Text()));
    CaseRunner runner(compiled.folder, compiled.name, QString());
    QEventLoop loop;
    QStringList failures;
    connect(&runner, &CaseRunner::caseFinished, &loop, [&](const CaseResult &result) {
        exercise.cases[result.index].outputs.first().text = result.output;
        if (result.verdict == Verdict::TimeLimit || result.verdict == Verdict::RuntimeError)
            failures.append(QStringLiteral("caso %1: %2").arg(result.index + 1).arg(result.why));
    });
    connect(&runner, &CaseRunner::finished, &loop, &QEventLoop::quit);
    runner.run(exercise.cases);
    if (runner.isRunning())
        loop.exec();
    if (!failures.isEmpty()) {
        messages::warning(&m_window, QStringLiteral("A solução não terminou bem em todos os casos, e o exercício não "
                                                    "foi criado:\n") + failures.join(QLatin1Char('\n')));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(&m_window, QStringLiteral("Salvar exercício"),
                                                      QDir(document->folder()).filePath(exercise.title + QStringLiteral(".exercicio")),
                                                      QStringLiteral("Exercícios (*.exercicio)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(exercises::writeTavessa(exercise).toUtf8()) < 0 || !file.commit()) {
        messages::error(&m_window, QStringLiteral("Não foi possível gravar \"%1\": %2")
                                       .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    openPath(path);
}

void ExerciseCommands::SaveReport()
{
    if (!m_exercise || m_testedSourceHash.isEmpty()) {
        messages::information(&m_window, QStringLiteral("Teste o programa antes de salvar o resultado."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(&m_window, QStringLiteral("Salvar resultado"),
                                                      m_exercise->title + QStringLiteral(" - resultado.txt"),
                                                      QStringLiteral("Texto (*.txt)"));
    if (path.isEmpty())
        return;
    QString report;
    report += QStringLiteral("Exercício: %1\n").arg(m_exercise->title);
    report += QStringLiteral("Data: %1\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate));
    report += QStringLiteral("Casos que passaram: %1 de %2\n").arg(m_passed).arg(m_exercise->cases.size());
    report += QStringLiteral("Programa (SHA-256): %1\n").arg(m_testedSourceHash);
    for (int row = 0; row < m_panel->cases()->rowCount(); ++row)
        report += QStringLiteral("%1: %2\n").arg(m_panel->cases()->item(row, 0)->text(), m_panel->cases()->item(row, 1)->text());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(report.toUtf8()) < 0 || !file.commit())
        messages::error(&m_window, QStringLiteral("Não foi possível gravar \"%1\": %2")
                                       .arg(QDir::toNativeSeparators(path), file.errorString()));
}
