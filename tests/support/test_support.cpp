#include "test_support.h"

#include "common/number_text.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

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

FileSizeLimitScope::FileSizeLimitScope(long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousLimit_ = limit.rlim_cur;
    previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimitScope::~FileSizeLimitScope()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(previousLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousSignal_);
}
