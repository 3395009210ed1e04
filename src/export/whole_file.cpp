#include "export/whole_file.h"

#include "common/errors.h"

#include <QDir>
#include <QSaveFile>

void WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        const QString name = QDir::toNativeSeparators(fileName);
        RaiseError(QString("Cannot write the file \"%1\": %2").arg(name, file.errorString()));
    }
}
