#pragma once

#include "javatools/debug_session.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTreeWidget;

// The tab "Expressões" of the debugger's panel: expressions the student
// types (soma / 3, v[i] > v[j], nome.length()), evaluated by the debugger at
// every stop and listed with their values, those that changed since the
// last stop lit. They stay from one debugging to the next.
class WatchPanel : public QWidget
{
    Q_OBJECT
public:
    explicit WatchPanel(QWidget *parent = nullptr);

    QStringList expressions() const { return m_expressions; }
    void addExpression(const QString &text);
    void removeExpression(int index);
    // The values at a stop, in the order of the expressions.
    void showValues(const QList<WatchValue> &values);
    // The program runs or ended: the values are of no stop.
    void showNoStop(const QString &why);
    void refreshColours();

    QLineEdit *input() const { return m_input; }
    QTreeWidget *list() const { return m_list; }

signals:
    void expressionsChanged(const QStringList &expressions);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();

    QLineEdit *m_input;
    QTreeWidget *m_list;
    QLabel *m_problems; // the mistakes, whole
    QStringList m_expressions;
    QStringList m_lastValues; // at the last stop, to light what changed
    QList<WatchValue> m_values;
    bool m_atStop = false;
};
