// SaveToBmp: the image written as a 24-bit Windows bitmap, all or nothing.
#include "canvas/canvas.h"

#include "common/errors.h"

#include <QImageWriter>
#include <QSaveFile>

// The bitmap goes to a temporary file that replaces the target only once it is complete, so a
// failed save leaves an existing file as it was.
void Canvas::SaveToBmp(const QString& fileName) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        RaiseError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image_->convertToFormat(QImage::Format_RGB888)) || !file.commit())
        RaiseError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}
