#pragma once

#include "app_fixture.h"

#include "app/debug_commands.h"
#include "app/variables_panel.h"
#include "editor/syn_memo.h"
#include "javatools/debug_session.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

// A window for debugging real programs: Ctrl+F9 and the stepping keys, the
// stops counted, and the variables panel read.
class DebuggerFixture : public QObject
{
protected:
    std::unique_ptr<Tfrmprincipal> m_window;
    QTemporaryDir m_work;
    int m_stops = 0;
    int m_seen = 0;

    Tfrmprincipal &w() { return *m_window; }
    DebugSession *session() { return w().debugging().session(); }

    JavaDocument *open(const QString &name, const QByteArray &source)
    {
        return appfixture::openInOwnFolder(w(), m_work.path(), name, source);
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(w().currentEditor(), Qt::Key(key), modifiers);
    }

    // Ctrl+F9, counting the stops of the session it starts.
    void debug()
    {
        m_stops = 0;
        m_seen = 0;
        key(Qt::Key_F9, Qt::ControlModifier);
        if (session())
            connect(session(), &DebugSession::paused, this, [this] { ++m_stops; });
    }
    // Waits for the next stop; its line.
    int stop()
    {
        const int seen = m_seen;
        if (!QTest::qWaitFor([this, seen] { return session() && m_stops > seen; }, 30000))
            return -1;
        m_seen = m_stops;
        return session()->line();
    }
    int step(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        this->key(key, modifiers);
        return stop();
    }

    // The value the variables panel shows for `name`, and whether it is lit.
    QString shown(const QString &name, bool *changed = nullptr)
    {
        const QList<QTreeWidgetItem *> items = w().variables()->tree()->findItems(name, Qt::MatchExactly);
        if (items.isEmpty())
            return QStringLiteral("(ausente)");
        if (changed)
            *changed = items.first()->background(1) != QBrush();
        return items.first()->text(1);
    }
    QString typeShown(const QString &name)
    {
        const QList<QTreeWidgetItem *> items = w().variables()->tree()->findItems(name, Qt::MatchExactly);
        return items.isEmpty() ? QString() : items.first()->text(2);
    }

    // Once per test program: the helper beside the executable, as installed.
    bool prepareHelper()
    {
        QApplication::setApplicationName(QStringLiteral("Korvine 4.0"));
        if (!QFileInfo::exists(QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-debugger.jar")))
            return false;
        const QString jar = QDir(QCoreApplication::applicationDirPath()).filePath("tavessa-debugger.jar");
        QFile::remove(jar);
        return QFile::copy(QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-debugger.jar"), jar);
    }
    bool openWindow()
    {
        m_window = std::make_unique<Tfrmprincipal>(m_work.path());
        return appfixture::showWindow(w());
    }
    void closeWindow() { m_window.reset(); }
};
