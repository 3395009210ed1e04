// The bytes of a design file: read with a bound on their number, written whole or not at all.
#include "document/design_file.h"

#include "common/errors.h"
#include "common/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

QByteArray ReadDesignFile(const QString& fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    // Opening a pipe waits for a writer that may never come; a missing file is left to open(),
    // which names the reason.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        RaiseError("The design \"" + shown + "\" cannot be opened: it is not a regular file but a pipe, a device or a folder.");
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        RaiseError("The design \"" + shown + "\" cannot be opened: " + file.errorString() + ".");
    // One byte past the bound is asked for: a device reports no size, and a file may grow meanwhile.
    const qint64 bound = kLargestDesignFile + 1;
    const QByteArray bytes = file.read(file.isSequential() ? bound : std::min(file.size() + 1, bound));
    if (bytes.size() > kLargestDesignFile)
        RaiseError("The design \"" + shown + "\" cannot be opened: it is larger than " +
                   QString::number(kLargestDesignFile / (1024 * 1024)) + " MB, which no design is.");
    if (file.error() != QFileDevice::NoError)
        RaiseError("The design \"" + shown + "\" cannot be opened: " + file.errorString() + ".");
    return bytes;
}

void SaveDesignFile(const QString& fileName, const QByteArray& bytes)
{
    const bool existed = QFileInfo::exists(fileName);
    const auto reason = TryWriteWholeFile(fileName, bytes);
    if (!reason) return;
    RaiseError("The design could not be saved to \"" + QDir::toNativeSeparators(fileName) + "\": " + *reason + "." +
               (existed ? " A file already there was left as it was." : ""));
}
