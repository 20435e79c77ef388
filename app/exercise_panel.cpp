#include "app/exercise_panel.h"

#include "common/colours.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// `text` made visible, as HTML, with the character at `at` and after lit.
QString litFrom(const QString &text, int at)
{
    if (at < 0 || at > text.size())
        return outputcheck::visible(text).toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
    const QString before = outputcheck::visible(text.left(at)).toHtmlEscaped();
    QString rest = outputcheck::visible(text.mid(at)).toHtmlEscaped();
    if (rest.isEmpty())
        rest = QStringLiteral("(fim)");
    QString html = before + QStringLiteral("<span style=\"background:%1\">").arg(colours::of(ColourRole::ChangedValue).name())
                   + rest + QStringLiteral("</span>");
    return html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

} // namespace

ExercisePanel::ExercisePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("exercicio"));
    setAccessibleName(QStringLiteral("Exercício"));
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setWordWrap(true);
    layout->addWidget(m_title);
    m_statement = new QTextBrowser(this);
    m_statement->setObjectName(QStringLiteral("enunciado"));
    m_statement->setAccessibleName(QStringLiteral("Enunciado"));
    m_statement->setMaximumHeight(140);
    layout->addWidget(m_statement);

    auto *buttons = new QHBoxLayout;
    m_test = new QPushButton(QStringLiteral("Testar"), this);
    m_test->setObjectName(QStringLiteral("btnTestar"));
    m_runCase = new QPushButton(QStringLiteral("Executar este caso"), this);
    m_runCase->setObjectName(QStringLiteral("btnExecutarCaso"));
    m_runCase->setEnabled(false);
    buttons->addWidget(m_test);
    buttons->addWidget(m_runCase);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_cases = new QTableWidget(0, 3, this);
    m_cases->setObjectName(QStringLiteral("casos"));
    m_cases->setAccessibleName(QStringLiteral("Casos de teste"));
    m_cases->setHorizontalHeaderLabels({QStringLiteral("Caso"), QStringLiteral("Resultado"), QStringLiteral("Tempo")});
    m_cases->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_cases->verticalHeader()->hide();
    m_cases->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_cases->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cases->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_cases, 1);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("resumo"));
    layout->addWidget(m_summary);
    m_why = new QLabel(this);
    m_why->setObjectName(QStringLiteral("porque"));
    m_why->setWordWrap(true);
    m_why->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_why);

    auto *sideBySide = new QGridLayout;
    sideBySide->addWidget(new QLabel(QStringLiteral("Esperado"), this), 0, 0);
    sideBySide->addWidget(new QLabel(QStringLiteral("Obtido"), this), 0, 1);
    m_expected = new QTextBrowser(this);
    m_expected->setObjectName(QStringLiteral("esperado"));
    m_expected->setAccessibleName(QStringLiteral("Saída esperada"));
    m_obtained = new QTextBrowser(this);
    m_obtained->setObjectName(QStringLiteral("obtido"));
    m_obtained->setAccessibleName(QStringLiteral("Saída obtida"));
    for (QTextBrowser *view : {m_expected, m_obtained}) {
        QFont mono(QStringLiteral("Courier New"), 9);
        mono.setStyleHint(QFont::TypeWriter);
        view->setFont(mono);
    }
    sideBySide->addWidget(m_expected, 1, 0);
    sideBySide->addWidget(m_obtained, 1, 1);
    layout->addLayout(sideBySide, 1);

    connect(m_cases, &QTableWidget::currentCellChanged, this, [this](int row) { showCase(row); });
    connect(m_cases, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        const CaseResult result = m_results.value(row);
        if (result.explanation && result.explanation->line > 0)
            emit placeChosen(result.explanation->file, result.explanation->line);
    });
}

void ExercisePanel::showExercise(const Exercise &exercise)
{
    m_exercise = exercise;
    m_title->setText(exercise.title);
    m_statement->setHtml(exercise.statementHtml);
    m_statement->setVisible(!exercise.statementHtml.isEmpty());
    m_cases->setRowCount(int(exercise.cases.size()));
    for (int row = 0; row < exercise.cases.size(); ++row) {
        const ExerciseCase &c = exercise.cases.at(row);
        m_cases->setItem(row, 0, new QTableWidgetItem(c.hidden ? QStringLiteral("%1 (oculto)").arg(row + 1)
                                                               : QStringLiteral("%1. %2").arg(row + 1).arg(c.name)));
        m_cases->setItem(row, 1, new QTableWidgetItem());
        m_cases->setItem(row, 2, new QTableWidgetItem());
    }
    m_cases->resizeColumnToContents(0);
    clearResults();
}

void ExercisePanel::clearResults()
{
    m_results.clear();
    for (int row = 0; row < m_cases->rowCount(); ++row) {
        m_cases->item(row, 1)->setText(QString());
        m_cases->item(row, 2)->setText(QString());
    }
    m_summary->clear();
    m_why->clear();
    m_expected->clear();
    m_obtained->clear();
}

void ExercisePanel::showTesting()
{
    clearResults();
    m_summary->setText(QStringLiteral("Testando..."));
}

void ExercisePanel::showResult(const CaseResult &result)
{
    m_results.insert(result.index, result);
    if (QTableWidgetItem *item = m_cases->item(result.index, 1)) {
        item->setToolTip(result.why);
        // A sign with the word: never the colour alone.
        item->setText((result.verdict == Verdict::Correct ? QStringLiteral("✔ ") : QStringLiteral("✘ "))
                      + verdictName(result.verdict));
        m_cases->item(result.index, 2)->setText(QStringLiteral("%1 s").arg(result.milliseconds / 1000.0, 0, 'f', 2));
    }
    if (result.index == chosenCase())
        showCase(result.index);
}

void ExercisePanel::showCompileError(const QString &why)
{
    for (int row = 0; row < m_cases->rowCount(); ++row)
        m_cases->item(row, 1)->setText(QStringLiteral("✘ ") + verdictName(Verdict::CompileError));
    m_summary->setText(QStringLiteral("Erro de compilação: nenhum caso foi executado."));
    m_why->setText(why);
}

void ExercisePanel::showSummary()
{
    int passed = 0;
    for (const CaseResult &r : std::as_const(m_results))
        passed += r.verdict == Verdict::Correct ? 1 : 0;
    const int total = int(m_exercise.cases.size());
    m_summary->setText(passed == total ? QStringLiteral("Todos os %1 casos passaram.").arg(total)
                                       : QStringLiteral("%1 de %2 casos passaram.").arg(passed).arg(total));
    // The first failure is shown at once.
    for (int row = 0; row < total; ++row) {
        if (m_results.value(row).verdict != Verdict::Correct) {
            m_cases->setCurrentCell(row, 0);
            showCase(row);
            return;
        }
    }
}

int ExercisePanel::chosenCase() const
{
    return m_cases->currentRow();
}

void ExercisePanel::showCase(int row)
{
    m_runCase->setEnabled(row >= 0 && row < m_exercise.cases.size() && !m_exercise.cases.at(row).hidden);
    if (!m_results.contains(row) || row >= m_exercise.cases.size()) {
        m_expected->clear();
        m_obtained->clear();
        return;
    }
    const ExerciseCase &c = m_exercise.cases.at(row);
    const CaseResult &r = m_results[row];
    QString why = r.verdict == Verdict::Correct ? QStringLiteral("Correto.") : verdictName(r.verdict) + QStringLiteral(": ") + r.why;
    if (r.verdict != Verdict::Correct && !c.hint.isEmpty())
        why += QStringLiteral("\nDica: ") + c.hint;
    m_why->setText(why);
    // A hidden case shows its verdict, never its data.
    if (c.hidden) {
        m_expected->setPlainText(QStringLiteral("(caso oculto)"));
        m_obtained->setPlainText(QStringLiteral("(caso oculto)"));
        return;
    }
    m_expected->setHtml(litFrom(c.outputs.value(0).text, r.check.expectedAt));
    m_obtained->setHtml(litFrom(r.output, r.check.obtainedAt));
}
