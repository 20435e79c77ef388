#pragma once

// Mouse events go through the window system, so grabs and routing are real.
#define QTEST_QPA_MOUSE_HANDLING

#include "designer/design_page.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/preview_control.h"
#include "editor/syn_memo.h"
#include "swing_skeleton.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QtTest>
#include <memory>

// A Swing window document without the main window: a code editor holding
// the skeleton beside a design page, with the session's hooks recorded.
class DesignFixture
{
public:
    DesignFixture()
        : m_top(std::make_unique<QWidget>()), session(m_top.get())
    {
        m_top->resize(1100, 700);
        auto *layout = new QHBoxLayout(m_top.get());
        editor = new TSynMemo(m_top.get());
        editor->SetText(swingSkeleton().join("\r\n"));
        layout->addWidget(editor, 1);
        page = new DesignPage(session, QStringLiteral(TAVESSA_SOURCE_DIR), m_top.get());
        layout->addWidget(page, 3);
        session.hooks().currentEditor = [this] { return editor; };
        session.hooks().markModified = [this] { ++modified; };
        session.hooks().showMessage = [this](const QString &text) { messages.append(text); };
        session.hooks().showWarning = [this](const QString &text) { warnings.append(text); };
    }

    // Shows the page with a new design (or none, to load one first).
    void show(bool newDesign = true)
    {
        if (newDesign)
            page->newDesign();
        m_top->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_top.get()));
        m_top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
    }

    QWidget *top() const { return m_top.get(); }
    QWindow *window() const { return m_top->windowHandle(); }
    DesignWindow *designWindow() const { return page->designWindow(); }
    DesignClient *client() const { return designWindow()->client(); }
    QPoint at(QWidget *w, QPoint p) const { return w->mapTo(m_top.get(), p); }
    QPoint atClient(QPoint p) const { return at(client(), p); }

    void click(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton,
               Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(window(), b, m, at(w, p));
    }
    void press(QPoint inClient, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mousePress(window(), b, m, atClient(inClient));
    }
    void release(QPoint inClient, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(window(), b, {}, atClient(inClient));
    }
    void moveTo(QPoint inClient) { QTest::mouseMove(window(), atClient(inClient)); }
    void clickPalette(int kind)
    {
        QToolButton *button = page->paletteButton(kind);
        click(button, button->rect().center());
    }
    // Picks `kind` in the palette and clicks into the window at `point`.
    PreviewControl *place(int kind, QPoint point, Qt::MouseButton b = Qt::LeftButton)
    {
        clickPalette(kind);
        const int before = int(designWindow()->components().size());
        press(point, b);
        release(point, b);
        const QList<PreviewControl *> all = designWindow()->components();
        return all.size() > before ? all.last() : nullptr;
    }
    // A drag with the left button from `from` to `to`, in client coordinates.
    void drag(QPoint from, QPoint to)
    {
        moveTo(from);
        press(from);
        moveTo(from + QPoint(1, 1));
        moveTo(to);
        release(to);
    }
    void key(Qt::Key k) { QTest::keyClick(window(), k); }

    QStringList code() const { return editor->Text().split("\r\n"); }
    QStringList selectionNames() const
    {
        QStringList names;
        for (PreviewControl *c : session.selection())
            names.append(c->name());
        return names;
    }

private:
    std::unique_ptr<QWidget> m_top;

public:
    DesignerSession session;
    TSynMemo *editor = nullptr;
    DesignPage *page = nullptr;
    int modified = 0;
    QStringList messages;
    QStringList warnings;
};
