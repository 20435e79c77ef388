#pragma once

#include "javatools/completion.h"

#include <QObject>
#include <QPointer>
#include <QTextCursor>

#include <functional>

class QFrame;
class TemplateCatalogue;
class QLabel;
class QListWidget;
class TSynMemo;

// The list of suggestions of one editor: Ctrl+Space opens it, and so does a
// "." after a name of known type. The keyboard stays in the editor: typing
// filters the list, Up and Down choose, Enter or Tab put the choice in, Esc
// closes; nothing goes in unasked. A method goes in with its parentheses,
// the caret inside them when it takes arguments, and a tip shows its
// parameters while they are typed.
class CompletionPopup : public QObject
{
    Q_OBJECT
public:
    // `structures` are offered as words; `runStructure` writes one.
    CompletionPopup(TSynMemo &editor, QList<Suggestion> structures,
                    std::function<void(const Suggestion &)> runStructure);
    ~CompletionPopup() override;

    // The catalogue's basic structures (if/else, for, switch, while, main)
    // as words, each naming its command by its menu path.
    static QList<Suggestion> structuresOf(const TemplateCatalogue &catalogue);

    // Lines that stand before the editor's text for the suggestions (what a
    // pane's earlier lines declared), asked for each time the list opens.
    void setContext(std::function<QStringList()> linesBefore) { m_context = std::move(linesBefore); }

    bool isOpen() const;
    QListWidget *list() const { return m_list; }
    // Opens the list at the caret; `onlyMembers`: only after a "." of known type.
    void open(bool onlyMembers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refilter();
    void accept();
    void close();
    void showDescription();
    void followParameters();

    TSynMemo &m_editor;
    QList<Suggestion> m_structures;
    std::function<void(const Suggestion &)> m_runStructure;
    std::function<QStringList()> m_context;
    QFrame *m_frame = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_description = nullptr;
    Completion m_completion;
    QList<Suggestion> m_shown;
    int m_line = -1;
    // The call whose parameters are being typed: its "(" and its tip.
    QTextCursor m_call;
    QString m_callTip;
};
