#pragma once

#include <QByteArray>
#include <QString>

// "exec.bat": the shell script that runs a compiled class with java and then
// waits for a key, so that the terminal stays open on the program's output.
// Its lines end with LF: a CR would become part of the class name.
class ExecScript
{
public:
    static constexpr const char *FileName = "exec.bat";
    static constexpr const char *PausePrompt = "Pressione Enter para continuar . . . ";

    enum class Status { Written, InvalidClassName, NoFolder, WriteFailed };
    struct Result
    {
        Status status = Status::WriteFailed;
        QString path;
        // The file system's reason, for WriteFailed.
        QString error;
    };

    // True for a Java identifier that is not a reserved word. "$" is refused
    // as well: the shell would expand it.
    static bool isClassName(const QString &name);
    // The script's bytes for a valid class name.
    static QByteArray text(const QString &className);
    // Writes the script into `folder`, replacing an older one; nothing is
    // written for a name that is not a class name.
    static Result write(const QString &folder, const QString &className);
};
