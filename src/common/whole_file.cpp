#include "common/whole_file.h"

#include "common/errors.h"

#include <QDir>
#include <QSaveFile>

namespace {

// QSaveFile keeps written bytes in its buffer and renames the temporary file on commit() even
// when flushing them failed, so every step is checked before the commit; a file that is never
// committed is discarded with its temporary file.
std::optional<QString> WriteAndCommit(QSaveFile& file, const QByteArray& bytes)
{
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) return file.errorString();
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
