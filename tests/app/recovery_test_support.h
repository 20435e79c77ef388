#pragma once

// Recovery copies as the tests make, count and answer them, and the run that
// crashes on purpose.

#include "app_fixture.h"

#include "app/designer_bridge.h"
#include "app/file_commands.h"
#include "app/recovery_manager.h"
#include "app/recovery_store.h"
#include "designer/design_page.h"
#include "designer/designer_model.h"
#include "designer/designer_session.h"
#include "editor/syn_memo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace recoverytest {

inline const char *const kChildFlag = "--filho-recuperacao";

// What a page holds, as the crashed run and the restored one must agree.
inline QJsonObject pageState(Tfrmprincipal &window, DocumentPage *page)
{
    const std::optional<QString> objects = window.designer().objectsText(*page);
    return QJsonObject{{"caption", page->caption()},
                       {"tag", page->tag()},
                       {"text", page->editor()->Text()},
                       {"objects", objects ? QJsonValue(*objects) : QJsonValue()}};
}

inline RecoveryCopy makeCopy(const QString &caption, const QString &source, QDateTime time,
                      const QString &path = QString())
{
    RecoveryCopy copy;
    copy.caption = caption;
    copy.tag = path.isEmpty() ? QStringLiteral("0;") : QStringLiteral("0;") + path + ';';
    copy.source = source;
    copy.time = time;
    return copy;
}

// Copies left in `folder` by a run that has ended (its lock released).
inline void leaveCopies(const QString &folder, const QList<RecoveryCopy> &copies)
{
    RecoveryStore earlier(folder);
    QVERIFY(earlier.open(nullptr));
    for (int i = 0; i < copies.size(); ++i)
        QVERIFY(earlier.write(QStringLiteral("documento-%1").arg(i + 1), copies.at(i), nullptr));
}

inline int copiesOnDisk(const QString &folder)
{
    int count = 0;
    const QDir root(folder);
    for (const QString &session : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        count += QDir(root.filePath(session)).entryList({"*.copia"}, QDir::Files).size();
    return count;
}

// What the recovery question showed, and the answer given to it.
struct Question
{
    bool shown = false;
    QStringList rows;
};

// Answers the next recovery dialog: "Reabrir" (with the rows in `untick`
// unticked), "Descartar", or Esc.
inline void answerRecovery(Question *seen, const QString &button, const QList<int> &untick = {},
                    int timeoutMs = 5000)
{
    testsupport::whenModal([=](QWidget *dialog) {
        seen->shown = dialog->objectName() == "frmrecuperar";
        auto *list = dialog->findChild<QTreeWidget *>("lstrecuperar");
        for (int i = 0; list && i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list->topLevelItem(i);
            seen->rows.append(item->text(0) + " | " + item->text(1) + " | " + item->text(2));
        }
        for (int row : untick)
            list->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
        if (button.isEmpty())
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    }, timeoutMs);
}

inline bool waitFor(const std::function<bool()> &condition, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

// The run that crashes: a Swing window with a placed button and typing, and
// a saved code document changed afterwards. Once both copies are on disk it
// writes what its pages hold to `expected` and waits to be killed.
inline int runChild(const QString &folder, const QString &expected, const QString &work)
{
    Tfrmprincipal window;
    window.show();
    RecoveryManager recovery(window, window.documents(), folder);
    recovery.setDelay(50);

    window.btncriarClick(5);
    DocumentPage *swing = window.activePage();
    DesignerSession &session = window.designer().session();
    session.ObjetosClick(int(ComponentKind::JButton));
    session.WindowMouseDown(DesignerBridge::designPageOf(*swing)->designWindow(),
                            Qt::LeftButton, QPoint(40, 30));
    QTest::keyClicks(swing->editor(), "// a");
    QTest::sendKeyEvent(QTest::Click, swing->editor(), Qt::Key_Ccedilla, QStringLiteral("ç"),
                        Qt::NoModifier);

    window.btncriarClick(1);
    DocumentPage *saved = window.activePage();
    if (!window.files().saveActiveDocumentAs(work + "/Hello.java"))
        return 2;
    QTest::keyClicks(saved->editor(), "int x;");
    QTest::keyClick(saved->editor(), Qt::Key_Return);

    if (!waitFor([&] { return recovery.store().keys().size() == 2; }))
        return 3;
    QTest::qWait(200); // the last keystrokes' copies, too

    QJsonArray pages;
    for (int i = 0; i < window.pageCount(); ++i)
        pages.append(pageState(window, window.page(i)));
    QFile out(expected);
    if (!out.open(QIODevice::WriteOnly))
        return 4;
    out.write(QJsonDocument(QJsonObject{{"pages", pages},
                                        {"counter", window.documentCounter()}})
                  .toJson());
    out.close();
    std::puts("pronto");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace recoverytest
