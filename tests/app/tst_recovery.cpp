#include "recovery_test_support.h"

using appfixture::newDocument;
using namespace recoverytest;

class TestRecovery : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->filePath("recuperacao"); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Every field survives the copy's bytes; bytes of anything else are no copy.
    void copyRoundTrip_data()
    {
        QTest::addColumn<QString>("lineBreak");
        QTest::addColumn<bool>("withObjects");
        QTest::newRow("code, CR LF") << "\r\n" << false;
        QTest::newRow("design, LF") << "\n" << true;
    }
    void copyRoundTrip()
    {
        QFETCH(QString, lineBreak);
        QFETCH(bool, withObjects);
        RecoveryCopy copy = makeCopy("semnome3.java *", "public class Ação{\r\n\t// ç\r\n}\r\n",
                                     QDateTime::currentDateTimeUtc());
        copy.kind = withObjects ? DocumentKind::SwingWindow : DocumentKind::Code;
        copy.tag = withObjects ? "1;/a/B.java;/a/A.java;" : "0;";
        copy.lineBreak = lineBreak;
        copy.encoding = "windows-1252";
        if (withObjects)
            copy.objects = QStringLiteral("Form1\n0\n\"Título\"\n");
        const std::optional<RecoveryCopy> back = RecoveryCopy::fromBytes(copy.toBytes());
        QVERIFY(back);
        QCOMPARE(back->source, copy.source);
        QCOMPARE(back->caption, copy.caption);
        QCOMPARE(back->tag, copy.tag);
        QCOMPARE(back->kind, copy.kind);
        QCOMPARE(back->encoding, copy.encoding);
        QCOMPARE(back->lineBreak, copy.lineBreak);
        QCOMPARE(back->objects, copy.objects);
        QCOMPARE(back->time, copy.time);

        QVERIFY(!RecoveryCopy::fromBytes("public class A{}"));
        QVERIFY(!RecoveryCopy::fromBytes(copy.toBytes().chopped(10)));
        QVERIFY(!RecoveryCopy::fromBytes(copy.toBytes().replace("\"tipo\": ", "\"tipo\": 7")));
    }

    // An edit leaves a copy; saving it or closing it without saving takes
    // the copy away.
    void copyFollowsTheDocument_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("first save of a new document") << "saveAs";
        QTest::newRow("save of an opened file") << "save";
        QTest::newRow("closed without saving") << "closeNo";
    }
    void copyFollowsTheDocument()
    {
        QFETCH(QString, how);
        Tfrmprincipal window;
        QVERIFY(appfixture::showWindow(window));
        RecoveryManager recovery(window, window.documents(), folder());
        recovery.setDelay(50);
        QVERIFY(recovery.isEnabled());

        const QString path = m_dir->filePath("Prog.java");
        DocumentPage *page = nullptr;
        if (how == "save") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("class Prog{}\n");
            file.close();
            page = window.pageOf(window.files().openFile(path));
        } else {
            page = newDocument(window, 1);
        }
        QVERIFY(page);
        QCOMPARE(recovery.store().keys().size(), 0); // opening or creating is no edit
        page->editor()->SetFocus();
        QTest::keyClicks(page->editor(), "abc");
        QTRY_COMPARE(recovery.store().keys().size(), 1);
        const QString key = recovery.store().keys().first();
        const auto copy = RecoveryStore::load(
            QDir(recovery.store().sessionFolder()).filePath(key + ".copia"));
        QVERIFY(copy);
        QCOMPARE(copy->source, page->editor()->Text());
        QCOMPARE(copy->caption, page->caption());
        if (how == "save") { // the student's own file is touched only by saving
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("class Prog{}\n"));
        }

        if (how == "saveAs") {
            QVERIFY(window.files().saveActiveDocumentAs(path));
        } else if (how == "save") {
            QVERIFY(window.files().SaveCurrentDocument());
        } else {
            testsupport::answerMessageBox(QMessageBox::No);
            window.files().Close();
            QCOMPARE(window.pageCount(), 0);
        }
        QCOMPARE(recovery.store().keys(), QStringList());
        QTest::qWait(150); // no late timer brings it back
        QCOMPARE(recovery.store().keys(), QStringList());
    }

    // "Sim" on the closing question keeps the copies, including the last
    // keystrokes that were still waiting for their pause; the next start
    // brings them back, numbers and all.
    void quittingWithUnsavedPagesKeepsCopies()
    {
        {
            Tfrmprincipal window;
            QVERIFY(appfixture::showWindow(window));
            RecoveryManager recovery(window, window.documents(), folder());
            recovery.setDelay(60000);
            newDocument(window, 1);
            DocumentPage *second = newDocument(window, 1);
            second->editor()->SetFocus();
            QTest::keyClicks(second->editor(), "xyz");
            QCOMPARE(recovery.store().keys().size(), 0);
            testsupport::answerMessageBox(QMessageBox::Yes);
            QVERIFY(window.close());
            QCOMPARE(recovery.store().keys().size(), 1);
        }
        QCOMPARE(copiesOnDisk(folder()), 1);

        Tfrmprincipal window;
        QVERIFY(appfixture::showWindow(window));
        RecoveryManager recovery(window, window.documents(), folder());
        Question seen;
        answerRecovery(&seen, "btnreabrir");
        QCOMPARE(recovery.offerRecovery(), 1);
        QVERIFY(seen.shown);
        QCOMPARE(seen.rows.size(), 1);
        QVERIFY2(seen.rows.first().startsWith("semnome2.java | (documento novo"),
                 qPrintable(seen.rows.first()));
        QCOMPARE(window.pageCount(), 1);
        QCOMPARE(window.activePage()->caption(), "semnome2.java *");
        QVERIFY(window.activePage()->editor()->Text().contains("xyz"));
        QCOMPARE(window.activePage()->tag(), "0;");
        // The next new document is not a second semnome2.
        QCOMPARE(newDocument(window, 1)->caption(), "semnome3.java *");
        // The copy moved to this run: one on disk, this run's own.
        QCOMPARE(copiesOnDisk(folder()), 1);
        QCOMPARE(recovery.store().keys().size(), 1);
    }

    // A run killed outright leaves copies that the next start offers and
    // restores: the same text, design, captions and paths.
    void killedRunIsRestored()
    {
        const QString expected = m_dir->filePath("esperado.json");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {kChildFlag, folder(), expected, m_dir->path()});
        QVERIFY(child.waitForStarted());
        QVERIFY(waitFor([&] {
            return child.state() != QProcess::Running || child.canReadLine();
        }, 60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("pronto"));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QFile file(expected);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject crashed = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonArray pages = crashed["pages"].toArray();
        QCOMPARE(pages.size(), 2);
        QCOMPARE(copiesOnDisk(folder()), 2);

        Tfrmprincipal window;
        QVERIFY(appfixture::showWindow(window));
        RecoveryManager recovery(window, window.documents(), folder());
        Question seen;
        answerRecovery(&seen, "btnreabrir");
        QCOMPARE(recovery.offerRecovery(), 2);
        QCOMPARE(seen.rows.size(), 2);
        QVERIFY2(seen.rows.at(1).startsWith("Hello.java | "
                                            + QDir::toNativeSeparators(m_dir->path()) + " | "),
                 qPrintable(seen.rows.at(1)));

        QCOMPARE(window.pageCount(), 2);
        for (int i = 0; i < 2; ++i) {
            const QJsonObject before = pages.at(i).toObject();
            const QJsonObject after = pageState(window, window.page(i));
            QCOMPARE(after["caption"], before["caption"]);
            QCOMPARE(after["tag"], before["tag"]);
            QCOMPARE(after["text"], before["text"]);
            // A loaded design window carries no name, just as after opening a
            // saved file; everything else is the design as it was.
            QStringList design = before["objects"].toString().split('\n');
            if (!design.isEmpty() && design.first().startsWith("TForm() "))
                design.first() = "TForm() [";
            QCOMPARE(after["objects"].toString().split('\n'), design);
        }
        QVERIFY(pages.at(0).toObject()["objects"].toString().contains("jButton1["));
        QVERIFY(pages.at(0).toObject()["text"].toString().contains("// aç"));
        QVERIFY(pages.at(1).toObject()["text"].toString().contains("int x;\r\n"));
        QCOMPARE(window.page(1)->documentPath(), QDir(m_dir->path()).filePath("Hello.java"));
        QCOMPARE(window.page(0)->kind(), DocumentKind::SwingWindow);
        QVERIFY(window.documentCounter() >= crashed["counter"].toInt());
        // The restored pages are this run's now, the crashed run's folder gone.
        QCOMPARE(copiesOnDisk(folder()), 2);
        QCOMPARE(recovery.store().keys().size(), 2);
        QCOMPARE(QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }

    void answeringTheQuestion_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("untick");
        QTest::addColumn<QStringList>("reopened");
        QTest::addColumn<int>("leftOnDisk");
        QTest::newRow("Descartar removes every copy")
            << "btndescartar" << QList<int>{} << QStringList{} << 0;
        QTest::newRow("unticked documents are discarded")
            << "btnreabrir" << QList<int>{0} << QStringList{"B.java*"} << 1;
        QTest::newRow("Esc decides nothing")
            << "" << QList<int>{} << QStringList{} << 2;
    }
    void answeringTheQuestion()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, untick);
        QFETCH(QStringList, reopened);
        QFETCH(int, leftOnDisk);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        leaveCopies(folder(), {makeCopy("semnome1.java *", "class semnome1{}", now.addSecs(-60)),
                               makeCopy("B.java*", "class B{}", now, "/x/B.java")});

        Tfrmprincipal window;
        QVERIFY(appfixture::showWindow(window));
        RecoveryManager recovery(window, window.documents(), folder());
        Question seen;
        answerRecovery(&seen, button, untick);
        recovery.offerRecovery();
        QCOMPARE(seen.rows.size(), 2);
        QStringList captions;
        for (int i = 0; i < window.pageCount(); ++i)
            captions.append(window.page(i)->caption());
        QCOMPARE(captions, reopened);
        QCOMPARE(copiesOnDisk(folder()), leftOnDisk);

        // What was decided is not asked again; what was not, is.
        recovery.flush();
        RecoveryManager next(window, window.documents(), folder());
        Question again;
        answerRecovery(&again, "", {}, 300);
        QCOMPARE(next.offerRecovery(), 0);
        QTest::qWait(350); // the unused answer runs out
        QCOMPARE(again.rows.size(), button.isEmpty() ? 2 : 0);
    }

    // Copies older than 30 days go at start without a question; younger
    // ones, and those of a Tavessa still running, stay.
    void oldCopiesAreRemovedAtStart()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        leaveCopies(folder(), {makeCopy("velho.java*", "a", now.addDays(-31)),
                               makeCopy("recente.java*", "b", now.addDays(-29))});
        // An unreadable copy is judged by its file's age.
        QString junkPath;
        {
            RecoveryStore junk(folder());
            QVERIFY(junk.open(nullptr));
            junkPath = QDir(junk.sessionFolder()).filePath("documento-9.copia");
            QFile file(junkPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{ lixo");
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-40),
                                     QFileDevice::FileModificationTime));
        }
        QVERIFY(QFileInfo::exists(junkPath));

        // A run still going (this process holds its lock) keeps its old copy.
        RecoveryStore running(folder());
        QVERIFY(running.open(nullptr));
        QVERIFY(running.write("documento-1", makeCopy("vivo.java*", "c", now.addDays(-45)), nullptr));

        Tfrmprincipal window;
        RecoveryManager recovery(window, window.documents(), folder());
        Question seen;
        answerRecovery(&seen, "");
        recovery.offerRecovery();
        QCOMPARE(seen.rows.size(), 1);
        QVERIFY(seen.rows.first().startsWith("recente.java | "));
        QVERIFY(!QFileInfo::exists(junkPath));
        QCOMPARE(running.keys(), QStringList{"documento-1"});
        QCOMPARE(copiesOnDisk(folder()), 2);
    }

    // A recovery folder that cannot be written turns recovery off with one
    // note in the status bar; the student goes on working.
    void unwritableFolderDisablesRecovery_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("unwritable from the start") << true;
        QTest::newRow("taken away while working") << false;
    }
    void unwritableFolderDisablesRecovery()
    {
        QFETCH(bool, atStart);
        // A plain file where a folder should be defeats even a superuser.
        QFile blocker(m_dir->filePath("arquivo"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString where = atStart ? blocker.fileName() + "/recuperacao" : folder();

        Tfrmprincipal window;
        QVERIFY(appfixture::showWindow(window));
        RecoveryManager recovery(window, window.documents(), where);
        recovery.setDelay(20);
        QCOMPARE(recovery.isEnabled(), !atStart);
        if (!atStart) {
            const QString session = recovery.store().sessionFolder();
            QVERIFY(QDir(session).removeRecursively());
            QFile squatter(session);
            QVERIFY(squatter.open(QIODevice::WriteOnly));
        }
        QCOMPARE(recovery.offerRecovery(), 0);

        DocumentPage *page = newDocument(window, 1);
        page->editor()->SetFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(page->editor(), "a");
            QTest::qWait(60);
        }
        QTRY_VERIFY(!recovery.isEnabled());
        const QList<QLabel *> notes = window.statusBar()->findChildren<QLabel *>("lblrecuperacao");
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes.first()->text().contains("recuperação automática está desativada"));
        QVERIFY(page->editor()->Text().contains("aaa"));
        QVERIFY(page->caption().endsWith('*'));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], kChildFlag) == 0) {
        QApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QString::fromLocal8Bit(argv[4]));
    }
    QApplication app(argc, argv);
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
