// SaveToBmp: the image written as a 24-bit Windows bitmap, all or nothing.
#include "canvas/canvas.h"

#include "common/errors.h"
#include "common/whole_file.h"

#include <QBuffer>
#include <QImageWriter>

// The bitmap is made in memory and written whole, so a failed save leaves an existing file
// as it was.
void Canvas::SaveToBmp(const QString& fileName) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image_->convertToFormat(QImage::Format_RGB888)))
        RaiseError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, writer.errorString()));
    if (const auto reason = TryWriteWholeFile(fileName, bytes))
        RaiseError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, *reason));
}
