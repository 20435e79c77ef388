#include "javatools/exec_script.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace {

bool isReservedWord(const QString &name)
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word :
             {"abstract", "assert",     "boolean",   "break",      "byte",      "case",
              "catch",    "char",       "class",     "const",      "continue",  "default",
              "do",       "double",     "else",      "enum",       "extends",   "final",
              "finally",  "float",      "for",       "goto",       "if",        "implements",
              "import",   "instanceof", "int",       "interface",  "long",      "native",
              "new",      "package",    "private",   "protected",  "public",    "return",
              "short",    "static",     "strictfp",  "super",      "switch",    "synchronized",
              "this",     "throw",      "throws",    "transient",  "try",       "void",
              "volatile", "while",      "true",      "false",      "null",      "_"})
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words.contains(name);
}

} // namespace

bool ExecScript::isClassName(const QString &name)
{
    if (name.isEmpty() || isReservedWord(name))
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
