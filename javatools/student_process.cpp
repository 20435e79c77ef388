#include "javatools/student_process.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace studentprocess {

void runInOwnGroup(QProcess &process)
{
    process.setChildProcessModifier([] {
        ::setsid();
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
}

void killGroup(qint64 pid, QProcess &process)
{
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    process.kill();
}

QStringList utf8Options()
{
    return {QStringLiteral("-Dfile.encoding=UTF-8"), QStringLiteral("-Dsun.stdout.encoding=UTF-8"),
            QStringLiteral("-Dsun.stderr.encoding=UTF-8")};
}

} // namespace studentprocess
