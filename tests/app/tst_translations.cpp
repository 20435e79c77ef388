#include "app/app_icon.h"
#include "app/translations.h"
#include "common/message_boxes.h"
#include "dialog_answerer.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The button box of a standard dialog that is built from widgets.
QDialogButtonBox *buttonBoxOf(QWidget *dialog)
{
    return dialog->findChild<QDialogButtonBox *>();
}

} // namespace

// Qt's own dialogs speak Brazilian Portuguese whatever the machine's locale
// (the tests run under LC_ALL=C.UTF-8), and the window icons ship in every size.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installPortugueseTranslations(*QCoreApplication::instance());
    }

    void confirmationButtonsArePortuguese_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int yesNoCancel = yesNo | QMessageBox::Cancel;
        QTest::newRow("yes of yes/no") << yesNo << int(QMessageBox::Yes) << "Sim";
        QTest::newRow("no of yes/no") << yesNo << int(QMessageBox::No) << "Não";
        QTest::newRow("yes of yes/no/cancel") << yesNoCancel << int(QMessageBox::Yes) << "Sim";
        QTest::newRow("no of yes/no/cancel") << yesNoCancel << int(QMessageBox::No) << "Não";
        QTest::newRow("cancel of yes/no/cancel")
            << yesNoCancel << int(QMessageBox::Cancel) << "Cancelar";
    }

    void confirmationButtonsArePortuguese()
    {
        QFETCH(int, buttons);
        QFETCH(int, button);
        QFETCH(QString, text);

        QString shown = QStringLiteral("(no box)");
        testsupport::whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            const auto wanted = static_cast<QMessageBox::StandardButton>(button);
            shown = box->button(wanted) ? withoutMnemonic(box->button(wanted)->text())
                                        : QStringLiteral("(no such button)");
            box->button(wanted) ? box->button(wanted)->click() : box->reject();
        });
        const auto answer = messages::confirm(nullptr, QStringLiteral("Deseja salvar?"),
                                              QMessageBox::StandardButtons(buttons));

        QCOMPARE(shown, text);
        QCOMPARE(int(answer), button);
    }

    void openDialogIsPortuguese()
    {
        QFileDialog dialog(nullptr, QStringLiteral("Abrir"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.show();
        QDialogButtonBox *box = buttonBoxOf(&dialog);
        QVERIFY(box);
        QCOMPARE(withoutMnemonic(box->button(QDialogButtonBox::Open)->text()),
                 QStringLiteral("Abrir"));
        QCOMPARE(withoutMnemonic(box->button(QDialogButtonBox::Cancel)->text()),
                 QStringLiteral("Cancelar"));
        QCOMPARE(withoutMnemonic(dialog.labelText(QFileDialog::FileName)),
                 QStringLiteral("Nome do arquivo:"));
    }

    void saveDialogIsPortuguese()
    {
        QFileDialog dialog(nullptr, QStringLiteral("Salvar"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        QDialogButtonBox *box = buttonBoxOf(&dialog);
        QVERIFY(box);
        QCOMPARE(withoutMnemonic(box->button(QDialogButtonBox::Save)->text()),
                 QStringLiteral("Salvar"));
    }

    void inputBoxIsPortuguese()
    {
        QInputDialog dialog;
        dialog.show();
        QDialogButtonBox *box = buttonBoxOf(&dialog);
        QVERIFY(box);
        QCOMPARE(withoutMnemonic(box->button(QDialogButtonBox::Cancel)->text()),
                 QStringLiteral("Cancelar"));
    }

    void fontDialogIsPortuguese()
    {
        QFontDialog dialog;
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        dialog.show();
        QDialogButtonBox *box = buttonBoxOf(&dialog);
        QVERIFY(box);
        QCOMPARE(withoutMnemonic(box->button(QDialogButtonBox::Cancel)->text()),
                 QStringLiteral("Cancelar"));
    }

    void windowIconsShipInEverySize_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::newRow("tavessa") << appIcon();
        QTest::newRow("lumenta") << helpViewerIcon();
    }

    void windowIconsShipInEverySize()
    {
        QFETCH(QIcon, icon);
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const int side : {16, 32, 48, 64, 128, 256}) {
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
            // availableSizes() lists what was added; the pixmap proves the file is there.
            QCOMPARE(icon.pixmap(side, side).size(), QSize(side, side));
        }
    }

    void theTwoIconsDiffer()
    {
        QCOMPARE_NE(appIcon().pixmap(32, 32).toImage(), helpViewerIcon().pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
