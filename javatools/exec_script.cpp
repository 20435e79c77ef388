#include "javatools/exec_script.h"

#include "common/java_words.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool ExecScript::isClassName(const QString &name)
{
    if (name.isEmpty() || isJavaReservedWord(name))
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const bool start = c.isLetter() || c == u'_';
        const bool part = c.isDigit() || c.isMark();
        if (!(start || (i > 0 && part)))
            return false;
    }
    return true;
}

QByteArray ExecScript::text(const QString &className)
{
    // POSIX read waits for a whole line; with no input at all it returns at
    // once, so the script never hangs without a terminal.
    return QByteArrayLiteral("java ") + className.toUtf8() + '\n'
           + QByteArrayLiteral("printf '%s' '") + PausePrompt + QByteArrayLiteral("'; read -r tecla\n");
}

ExecScript::Result ExecScript::write(const QString &folder, const QString &className)
{
    Result result;
    if (!isClassName(className)) {
        result.status = Status::InvalidClassName;
        return result;
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        result.status = Status::NoFolder;
        return result;
    }
    result.path = QDir(folder).absoluteFilePath(QString::fromLatin1(FileName));
    QSaveFile file(result.path);
    if (file.open(QIODevice::WriteOnly) && file.write(text(className)) >= 0 && file.commit()) {
        result.status = Status::Written;
    } else {
        result.status = Status::WriteFailed;
        result.error = file.errorString();
    }
    return result;
}
