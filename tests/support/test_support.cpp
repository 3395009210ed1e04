#include "test_support.h"

#include "common/number_text.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

MessageRecorder::MessageRecorder()
    : previous_(SetMessageSink([this](const QString& text) { texts << text; }))
{
}

MessageRecorder::~MessageRecorder() { SetMessageSink(previous_); }

DecimalSeparatorScope::DecimalSeparatorScope(QChar separator) : previous_(DecimalSeparator())
{
    SetDecimalSeparator(separator);
}

DecimalSeparatorScope::~DecimalSeparatorScope() { SetDecimalSeparator(previous_); }

QString SourcePath(const QString& relative) { return QString(KORVEL_SOURCE_DIR) + "/" + relative; }

void ExpectBitmapFile(const QString& fileName, int width, int height)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(fileName);
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(qFromLittleEndian<qint32>(header.constData() + 18), width);
    EXPECT_EQ(qFromLittleEndian<qint32>(header.constData() + 22), height);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 30), 0u) << "uncompressed";
}

namespace {

// In the child: the limit, the write, and its message down the pipe; nothing of this process's
// own ending (its tests, its windows) runs there.
[[noreturn]] void WriteInChild(long bytes, const std::function<void()>& write, int pipe)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(bytes);
    QByteArray message = "the limit could not be set";
    if (setrlimit(RLIMIT_FSIZE, &limit) == 0) {
        try {
            message = FailureOf(write).toUtf8();
        } catch (...) {
            message = "an exception that is not the program's";
        }
    }
    for (qsizetype done = 0; done < message.size();) {
        const ssize_t written = ::write(pipe, message.constData() + done, size_t(message.size() - done));
        if (written <= 0) _exit(1);
        done += written;
    }
    _exit(0);
}

} // namespace

QString FailureOnANearlyFullDisk(long bytes, const std::function<void()>& write)
{
    int ends[2];
    if (pipe(ends) != 0) return "no pipe to a child";
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        WriteInChild(bytes, write, ends[1]);
    }
    close(ends[1]);
    QByteArray message;
    char buffer[4096];
    for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        message.append(buffer, got);
    }
    close(ends[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child ended without its report";
    return QString::fromUtf8(message);
}
