#include "app/document_page.h"

#include "app/java_document.h"
#include "editor/document_lines.h"
#include "editor/syn_memo.h"

#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

DocumentPage::DocumentPage(JavaDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_inner = new QTabWidget(this);
    m_inner->setObjectName(QStringLiteral("paginas"));
    m_inner->setDocumentMode(true);
    m_inner->setTabPosition(QTabWidget::North);
    layout->addWidget(m_inner);

    m_editor = new TSynMemo(m_inner);
    m_editor->setObjectName(QStringLiteral("memoprograma"));
    m_editor->ShowDocument(&document.text());
    m_inner->addTab(m_editor, QStringLiteral("Código"));

    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { m_document.setCaretLine(m_editor->CaretY()); });
    // The editor paints the document's marks; breakpoints come from a click
    // in the gutter and move with their lines.
    m_editor->ShowMarks(&document.marks());
    connect(m_editor, &TSynMemo::GutterClicked, &document, &JavaDocument::toggleBreakpoint);
    // A paused program's line: the code page comes forward to show it.
    connect(&document, &JavaDocument::executionLineChanged, m_editor, [this] {
        const int line = m_document.executionLine();
        if (line < 0)
            return;
        m_editor->ScrollIntoView(line);
        m_inner->setCurrentWidget(m_editor);
    });
    // The document asks for its caret where its code is shown.
    connect(&document, &JavaDocument::codeShownAt, m_editor, [this](int offset) {
        m_editor->SetSelStart(offset);
        m_editor->ensureCursorVisible();
    });
    connect(&document, &JavaDocument::codeLineShown, m_editor, [this](int line, int column) {
        if (column < 0) {
            m_editor->SetCaretY(line + 1);
        } else {
            const QTextBlock block = m_editor->document()->findBlockByNumber(line);
            if (!block.isValid())
                return;
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + qMin(column, block.length() - 1));
            m_editor->setTextCursor(cursor);
            // A place in the code shown on request (a compiler message): the
            // student goes on typing there.
            m_inner->setCurrentWidget(m_editor);
            m_editor->SetFocus();
        }
        m_editor->ensureCursorVisible();
    });
}

void DocumentPage::setDesignPage(QWidget *page)
{
    if (m_designPage) {
        m_inner->removeTab(m_inner->indexOf(m_designPage));
        delete m_designPage;
    }
    m_designPage = page;
    if (page)
        m_inner->addTab(page, QStringLiteral("Formulário"));
}

DocumentKind DocumentPage::kind() const
{
    return m_document.kind();
}

QString DocumentPage::caption() const
{
    return m_document.caption();
}

QString DocumentPage::tag() const
{
    return m_document.tag();
}

QString DocumentPage::documentPath() const
{
    return m_document.filePath();
}

QByteArray DocumentPage::encoding() const
{
    return m_document.encoding();
}

QString DocumentPage::lineBreak() const
{
    return m_document.lineBreak();
}
