#pragma once

// Mouse events go through the window system, so grabs and routing are real.
#define QTEST_QPA_MOUSE_HANDLING

#include "designer/design_page.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/form_document.h"
#include "designer/form_model.h"
#include "memo_code_lines.h"
#include "designer/objects_file.h"
#include "designer/preview_control.h"
#include "editor/syn_memo.h"
#include "swing_skeleton.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QtTest>
#include <memory>

// The document of the fixture's design: its form, and its code in an editor.
// A gesture that changed the form or the code counts as one modification.
class FixtureDocument : public FormDocument
{
public:
    FormModel &form() override { return m_form; }
    CodeLines &code() override { return *m_code; }
    void beginStep() override
    {
        if (m_depth++ == 0) {
            m_formBefore = m_form.data();
            m_codeBefore = m_editor->Text();
        }
    }
    void endStep() override
    {
        if (--m_depth == 0 && (m_form.data() != m_formBefore || m_editor->Text() != m_codeBefore))
            ++modified;
    }
    void markModified() override { ++modified; }
    void showCodeAt(int offset) override { m_editor->SetSelStart(offset); }
    void showCodeLine(int line) override { m_editor->SetCaretY(line + 1); }

    void setEditor(TSynMemo *editor)
    {
        m_editor = editor;
        m_code = std::make_unique<MemoCodeLines>(*editor);
    }

    int modified = 0;

private:
    FormModel m_form;
    TSynMemo *m_editor = nullptr;
    std::unique_ptr<MemoCodeLines> m_code;
    int m_depth = 0;
    DesignWindowData m_formBefore;
    QString m_codeBefore;
};

// A Swing window document without the main window: a code editor holding
// the skeleton beside a design page, with the session's hooks recorded.
class DesignFixture
{
public:
    DesignFixture()
        : m_top(std::make_unique<QWidget>()), session(counters, m_top.get())
    {
        m_top->resize(1100, 700);
        auto *layout = new QHBoxLayout(m_top.get());
        editor = new TSynMemo(m_top.get());
        editor->SetText(swingSkeleton().join("\r\n"));
        document.setEditor(editor);
        layout->addWidget(editor, 1);
        page = new DesignPage(session, document, QStringLiteral(TAVESSA_SOURCE_DIR), m_top.get());
        layout->addWidget(page, 3);
        QObject::connect(&session, &DesignerSession::messageWanted, [this](const QString &text) { messages.append(text); });
    }

    // Shows the page with a new design (or none, to load one first).
    void show(bool newDesign = true)
    {
        if (newDesign)
            document.form().reset(newDesignWindow(counters));
        m_top->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_top.get()));
        m_top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
    }
    // The design of an objects file, as opening the document reads it; a
    // warning for each part that could not be read.
    void load(const QStringList &lines)
    {
        const LoadedDesign loaded = loadDesign(lines, counters);
        document.form().reset(loaded.window);
        for (int i = 0; i < loaded.failures; ++i)
            warnings.append(kObjectsLoadFailure);
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
    NamingCounters counters;
    FixtureDocument document;
    DesignerSession session;
    TSynMemo *editor = nullptr;
    DesignPage *page = nullptr;
    int &modified = document.modified;
    QStringList messages;
    QStringList warnings;
};
