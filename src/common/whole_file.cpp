#include "common/whole_file.h"

#include "common/errors.h"

#include <QDir>
#include <QSaveFile>

namespace {

// Unbuffered: QSaveFile renames the temporary file on commit() even when flushing its buffer
// failed, and loses the reason. A short write is followed by another, which names the reason
// ("No space left on device"); a file that is never committed is discarded.
std::optional<QString> WriteAndCommit(QSaveFile& file, const QByteArray& bytes)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return file.errorString();
        done += written;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

} // namespace

std::optional<QString> TryWriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    return WriteAndCommit(file, bytes);
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    if (const auto reason = TryWriteWholeFile(fileName, bytes))
        RaiseError(QString("Cannot write the file \"%1\": %2").arg(QDir::toNativeSeparators(fileName), *reason));
}
