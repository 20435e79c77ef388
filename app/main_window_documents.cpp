// Document pages as views of the open documents: adding and removing them as
// documents come and go, the active page, captions, the current editor and
// the editor handlers that record the insertion line.
#include "app/main_window.h"

#include "app/command_ids.h"
#include "app/completion_popup.h"
#include "app/designer_bridge.h"
#include "app/document_manager.h"
#include "app/java_document.h"
#include "app/new_document_dialog.h"
#include "app/skeletons.h"
#include "app/template_bridge.h"
#include "editor/syn_memo.h"
#include "templates/template_catalogue.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

int Tfrmprincipal::pageCount() const
{
    return m_pagForms->count();
}

DocumentPage *Tfrmprincipal::page(int index) const
{
    return qobject_cast<DocumentPage *>(m_pagForms->widget(index));
}

DocumentPage *Tfrmprincipal::pageOf(const JavaDocument *document) const
{
    for (int i = 0; document && i < pageCount(); ++i) {
        if (&page(i)->document() == document)
            return page(i);
    }
    return nullptr;
}

DocumentPage *Tfrmprincipal::activePage() const
{
    return currentPage(*m_pagForms);
}

void Tfrmprincipal::setActivePage(DocumentPage *page)
{
    const int index = m_pagForms->indexOf(page);
    if (index < 0)
        return;
    m_selectingQuietly = true;
    m_pagForms->setCurrentIndex(index);
    m_selectingQuietly = false;
    m_documents->setActive(&page->document());
}

TSynMemo *Tfrmprincipal::currentEditor() const
{
    const DocumentPage *page = activePage();
    return page ? page->editor() : nullptr;
}

void Tfrmprincipal::addPage(JavaDocument *document)
{
    auto *page = new DocumentPage(*document, m_pagForms);
    page->setObjectName(QStringLiteral("pagina%1").arg(document->number()));
    m_selectingQuietly = true;
    m_pagForms->addTab(page, QString());
    m_selectingQuietly = false;
    showCaption(document);
    connect(document, &JavaDocument::captionChanged, this, [this, document] {
        showCaption(document);
        if (document == m_documents->active())
            updateSaveCommands();
    });
    connect(document, &JavaDocument::filePathChanged, this, [this, document] {
        showCaption(document);
        if (document == m_documents->active())
            setStatusFolder(document->folder());
    });

    TSynMemo *editor = page->editor();
    editor->SetHighlighter(m_synJavaSyn1.get());
    editor->SetWindowShortcuts(m_commands.shortcuts());
    editor->SetZoom(m_zoomSteps);
    connect(editor, &TSynMemo::ZoomRequested, this, &Tfrmprincipal::zoomBy);
    connect(editor, &TSynMemo::OnChange, this, &Tfrmprincipal::MarkModified);
    connect(editor, &TSynMemo::OnClick, this, &Tfrmprincipal::recordInsertionLine);
    connect(editor, &TSynMemo::OnKeyDown, this, &Tfrmprincipal::recordInsertionLine);
    connect(editor, &TSynMemo::OnKeyPress, this, &Tfrmprincipal::recordInsertionLine);
    // The editor's own menu, and "Executar até aqui" on the line clicked.
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this, [this, editor](const QPoint &at) {
        if (!editor->textCursor().hasSelection())
            editor->setTextCursor(editor->cursorForPosition(at));
        std::unique_ptr<QMenu> menu(editor->createStandardContextMenu(at));
        menu->addSeparator();
        menu->addAction(command(commandid::ExecutarAteAqui));
        menu->exec(editor->viewport()->mapToGlobal(at));
    });
    if (document->hasForm())
        page->setDesignPage(m_designer->createDesignPage(*document, page));
    page->innerPages()->setCurrentWidget(editor);
    // Suggestions while typing; a structure is written by its catalogue command.
    static const QList<Suggestion> structures = CompletionPopup::structuresOf(m_templates->catalogue());
    new CompletionPopup(*editor, structures, [this](const Suggestion &structure) {
        for (const TemplateCommand &command : m_templates->catalogue().commands()) {
            if (command.menuPath.join(menuPathSeparator()) == structure.command) {
                m_templates->run(command);
                return;
            }
        }
    });
    setCommandEnabled(commandid::Salvar, true);
}

void Tfrmprincipal::removePage(JavaDocument *document)
{
    DocumentPage *gone = pageOf(document);
    const int index = m_pagForms->indexOf(gone);
    if (index < 0)
        return;
    m_selectingQuietly = true;
    m_pagForms->removeTab(index);
    // The page that followed becomes active; the first when it was the last.
    if (m_pagForms->count() > 0)
        m_pagForms->setCurrentIndex(index < m_pagForms->count() ? index : 0);
    m_selectingQuietly = false;
    delete gone;
    // With no page left this leaves no current editor.
    FocusCurrentEditor();
}

void Tfrmprincipal::showCaption(JavaDocument *document)
{
    const int index = m_pagForms->indexOf(pageOf(document));
    if (index < 0)
        return;
    // "&" in a file name is shown, not taken as an access key.
    QString shown = document->caption();
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    m_pagForms->setTabText(index, shown);
    m_pagForms->setTabToolTip(index, document->filePath());
}

void Tfrmprincipal::followActiveDocument(JavaDocument *document)
{
    if (DocumentPage *page = pageOf(document); page && page != activePage()) {
        m_selectingQuietly = true;
        m_pagForms->setCurrentWidget(page);
        m_selectingQuietly = false;
    }
    setStatusFolder(document ? document->folder() : QString());
}

bool Tfrmprincipal::IsModified() const
{
    const JavaDocument *document = m_documents->active();
    return document && document->isModified();
}

void Tfrmprincipal::MarkModified()
{
    if (JavaDocument *document = m_documents->active())
        document->markModified();
}

void Tfrmprincipal::ClearModified()
{
    if (JavaDocument *document = m_documents->active())
        document->setModified(false);
}

int Tfrmprincipal::insertionLine() const
{
    return m_documents->insertionLine();
}

void Tfrmprincipal::setInsertionLine(int line)
{
    m_documents->setInsertionLine(line);
}

int Tfrmprincipal::documentCounter() const
{
    return m_documents->documentCounter();
}

void Tfrmprincipal::FocusCurrentEditor()
{
    DocumentPage *page = activePage();
    if (page) {
        page->innerPages()->setCurrentWidget(page->editor());
        page->editor()->SetFocus();
    }
    m_documents->setActive(page ? &page->document() : nullptr);
    updateSaveCommands();
}

void Tfrmprincipal::recordInsertionLine()
{
    // Before the key acts, or after the click moved the caret: the line that
    // holds the caret now.
    if (TSynMemo *editor = qobject_cast<TSynMemo *>(sender()))
        m_documents->setInsertionLine(editor->CaretY() - 1);
}

void Tfrmprincipal::pagFormsChange()
{
    FocusCurrentEditor();
    if (const DocumentPage *page = activePage())
        setStatusFolder(page->document().folder());
}

void Tfrmprincipal::btncriarClick(int option)
{
    enableDocumentCommands();
    const auto kind = option == int(NewDocumentOption::Swing) ? DocumentKind::SwingWindow
                                                               : DocumentKind::Code;
    JavaDocument *document = m_documents->create(kind);
    // The text ends with the last character of the skeleton, no line break.
    document->setSourceText(
        skeletonLines(NewDocumentOption(option), document->number()).join(QLatin1String("\r\n")).trimmed());
    document->setModified(true);
    applyNewDocumentState(option);
    m_documents->setActive(document);
    // The student types into the new document as soon as the dialog closes.
    currentEditor()->SetFocus();
}
