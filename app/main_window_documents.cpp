// Document pages: creating, selecting and closing them, the modified mark,
// the current editor and the editor handlers.
#include "app/main_window.h"

#include "app/designer_bridge.h"
#include "app/new_document_dialog.h"
#include "app/skeletons.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QFileInfo>
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

DocumentPage *Tfrmprincipal::activePage() const
{
    return qobject_cast<DocumentPage *>(m_pagForms->currentWidget());
}

void Tfrmprincipal::setActivePage(DocumentPage *page)
{
    const int index = m_pagForms->indexOf(page);
    if (index < 0)
        return;
    m_selectingQuietly = true;
    m_pagForms->setCurrentIndex(index);
    m_selectingQuietly = false;
}

void Tfrmprincipal::setPageCaption(DocumentPage *page, const QString &caption)
{
    const int index = m_pagForms->indexOf(page);
    if (index < 0)
        return;
    page->setCaptionText(caption);
    // "&" in a file name is shown, not taken as an access key.
    QString shown = caption;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    m_pagForms->setTabText(index, shown);
    m_pagForms->setTabToolTip(index, page->documentPath());
}

bool Tfrmprincipal::IsModified() const
{
    const DocumentPage *page = activePage();
    return page && page->caption().endsWith(QLatin1Char('*'));
}

void Tfrmprincipal::MarkModified()
{
    DocumentPage *page = activePage();
    if (!page)
        return;
    if (!page->caption().endsWith(QLatin1Char('*')))
        setPageCaption(page, page->caption() + QLatin1Char('*'));
    emit documentChanged(page);
}

void Tfrmprincipal::ClearModified()
{
    DocumentPage *page = activePage();
    if (page && page->caption().endsWith(QLatin1Char('*'))) {
        setPageCaption(page, page->caption().chopped(1));
        emit modifiedCleared(page);
    }
}

void Tfrmprincipal::FocusCurrentEditor()
{
    DocumentPage *page = activePage();
    if (!page) {
        m_currentEditor = nullptr;
        updateSaveCommands();
        return;
    }
    page->innerPages()->setCurrentWidget(page->editor());
    page->editor()->SetFocus();
    m_currentEditor = page->editor();
    updateSaveCommands();
}

DocumentPage *Tfrmprincipal::CreateDocumentPage(DocumentKind kind, const QString &objectsFilePath)
{
    auto *page = new DocumentPage(kind, m_pagForms);
    page->setObjectName(QStringLiteral("pagina%1").arg(m_documentCounter + 1));
    m_selectingQuietly = true;
    m_pagForms->addTab(page, QString());
    m_selectingQuietly = false;
    setPageCaption(page, QStringLiteral("semnome%1.java *").arg(m_documentCounter + 1));
    ++m_documentCounter;

    TSynMemo *editor = page->editor();
    editor->SetHighlighter(m_synJavaSyn1.get());
    editor->SetWindowShortcuts(windowShortcuts());
    connectEditor(editor);
    m_currentEditor = editor;

    if (kind == DocumentKind::SwingWindow) {
        page->setDesignPage(m_designer->createDesignPage(*page, objectsFilePath));
        if (!objectsFilePath.isEmpty()) {
            // Hello.objects gives the caption Hello.java, without the mark.
            const QString name = QFileInfo(objectsFilePath).fileName();
            const int dot = name.indexOf(QLatin1Char('.'));
            const QString base = dot < 0 ? name + QLatin1Char('.') : name.left(dot + 1);
            setPageCaption(this->page(pageCount() - 1), base + QLatin1String("java"));
        }
    }

    page->innerPages()->setCurrentWidget(editor);
    setActivePage(page);
    menuItem(QStringLiteral("Salvar1"))->setEnabled(true);
    button(QStringLiteral("spdbsalvar"))->setEnabled(true);
    return page;
}

void Tfrmprincipal::ensureDocumentCounterAtLeast(int n)
{
    if (n > m_documentCounter)
        m_documentCounter = n;
}

void Tfrmprincipal::destroyPage(DocumentPage *page)
{
    const int index = m_pagForms->indexOf(page);
    if (index < 0)
        return;
    emit pageAboutToBeDestroyed(page);
    if (m_currentEditor == page->editor())
        m_currentEditor = nullptr;
    m_selectingQuietly = true;
    m_pagForms->removeTab(index);
    // The page that followed becomes active; the first when it was the last.
    if (m_pagForms->count() > 0)
        m_pagForms->setCurrentIndex(index < m_pagForms->count() ? index : 0);
    m_selectingQuietly = false;
    delete page;
}

void Tfrmprincipal::connectEditor(TSynMemo *editor)
{
    connect(editor, &TSynMemo::OnChange, this, &Tfrmprincipal::SourceChange);
    connect(editor, &TSynMemo::OnClick, this, &Tfrmprincipal::memoprogramaClick);
    connect(editor, &TSynMemo::OnKeyDown, this, &Tfrmprincipal::memoprogramaKeyDown);
    connect(editor, &TSynMemo::OnKeyPress, this, &Tfrmprincipal::memoprogramaKeyPress);
}

void Tfrmprincipal::SourceChange()
{
    MarkModified();
    updateSaveCommands();
}

void Tfrmprincipal::memoprogramaKeyDown()
{
    if (m_currentEditor)
        m_insertionLine = m_currentEditor->CaretY() - 1;
}

void Tfrmprincipal::memoprogramaKeyPress()
{
    if (m_currentEditor)
        m_insertionLine = m_currentEditor->CaretY() - 1;
}

void Tfrmprincipal::memoprogramaClick()
{
    if (m_currentEditor)
        m_insertionLine = m_currentEditor->CaretY() - 1;
}

void Tfrmprincipal::pagFormsChange()
{
    const DocumentPage *page = activePage();
    const QString path = page ? page->documentPath() : QString();
    setStatusFolder(path.isEmpty() ? QString() : QFileInfo(path).absolutePath());
    FocusCurrentEditor();
}

void Tfrmprincipal::showNewDocumentDialog()
{
    m_frmtipoarquivo->exec();
}

void Tfrmprincipal::btncriarClick(int option)
{
    enableDocumentCommands();
    setStatusFolder(QString());

    const auto kind = option == int(NewDocumentOption::Swing) ? DocumentKind::SwingWindow
                                                               : DocumentKind::Code;
    CreateDocumentPage(kind, QString());
    TSynMemo *editor = m_currentEditor;
    editor->setVisible(true);
    editor->Clear();
    for (const QString &line : skeletonLines(NewDocumentOption(option), m_documentCounter))
        editor->Lines().Add(line);

    applyNewDocumentState(option);

    // The text ends with the last character of the skeleton, no line break.
    editor->SetText(editor->Text().trimmed());
    // The student types into the new document as soon as the dialog closes.
    editor->SetFocus();
}
