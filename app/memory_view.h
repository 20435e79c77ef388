#pragma once

#include "javatools/memory_graph.h"

#include <QScrollArea>
#include <optional>

// The tab "Memória" of the debugger's panel: the current method's variables
// and the objects and arrays they reach, as boxes with arrows, what changed
// since the last step lit. The picture is the helper's MemoryGraph laid out
// by MemoryLayout; the words of it (MemoryGraph::describe) are the view's
// accessible description.
class MemoryView : public QScrollArea
{
    Q_OBJECT
public:
    explicit MemoryView(QWidget *parent = nullptr);

    // A stop's picture; `method` tells whether the last one can be compared.
    void showGraph(const QString &method, const MemoryGraph &graph);
    // No picture: the program runs, or none is debugged.
    void showMessage(const QString &text);
    void forget();

    const MemoryGraph &graph() const { return m_graph; }
    // Where the boxes are, as last drawn.
    const std::optional<MemoryLayout> &layout() const { return m_layout; }

protected:
    void changeEvent(QEvent *event) override;

private:
    friend class MemoryCanvas;
    void relayout();

    MemoryGraph m_graph;
    std::optional<MemoryGraph> m_before; // the last stop's, same method
    QString m_method;
    QString m_message;
    std::optional<MemoryLayout> m_layout;
    QWidget *m_canvas;
};
