#include "app/recovery_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const QList<RecoveryCopy> &copies, QWidget *parent)
    : QDialog(parent), m_copies(copies)
{
    setObjectName(QStringLiteral("frmrecuperar"));
    setWindowTitle(QStringLiteral("Recuperar documentos"));
    setModal(true);

    auto *text = new QLabel(
        QStringLiteral("O Tavessa foi fechado sem salvar estes documentos, ou terminou de forma "
                       "inesperada. Há uma cópia de recuperação de cada um deles.\n\n"
                       "Marque os documentos que deseja reabrir. Os documentos não marcados "
                       "serão descartados."),
        this);
    text->setObjectName(QStringLiteral("lblrecuperar"));
    text->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstrecuperar"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Documento"), QStringLiteral("Pasta"),
                             QStringLiteral("Cópia de")});
    for (const RecoveryCopy &copy : m_copies) {
        auto *item = new QTreeWidgetItem(
            m_list, {documentName(copy), folderText(copy), timeText(copy)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
        item->setToolTip(1, folderText(copy));
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto *reopen = new QPushButton(QStringLiteral("Reabrir"), this);
    reopen->setObjectName(QStringLiteral("btnreabrir"));
    reopen->setDefault(true);
    connect(reopen, &QPushButton::clicked, this, [this] {
        m_answer = Answer::Reopen;
        accept();
    });
    auto *discard = new QPushButton(QStringLiteral("Descartar"), this);
    discard->setObjectName(QStringLiteral("btndescartar"));
    discard->setAutoDefault(false);
    connect(discard, &QPushButton::clicked, this, [this] {
        m_answer = Answer::Discard;
        accept();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(reopen);
    buttons->addWidget(discard);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(620, 320);
}

QList<RecoveryCopy> RecoveryDialog::chosen() const
{
    QList<RecoveryCopy> chosen;
    if (m_answer != Answer::Reopen)
        return chosen;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            chosen.append(m_copies.at(i));
    }
    return chosen;
}

QString RecoveryDialog::documentName(const RecoveryCopy &copy)
{
    QString name = copy.caption;
    if (name.endsWith(QLatin1Char('*')))
        name.chop(1);
    name = name.trimmed();
    if (name.isEmpty())
        name = QFileInfo(copy.documentPath()).fileName();
    return name;
}

QString RecoveryDialog::folderText(const RecoveryCopy &copy)
{
    const QString path = copy.documentPath();
    if (path.isEmpty())
        return QStringLiteral("(documento novo, nunca salvo)");
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

QString RecoveryDialog::timeText(const RecoveryCopy &copy)
{
    return copy.time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}
