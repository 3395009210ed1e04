#include "document/file_stamp.h"

#include "common/errors.h"
#include "document/design_file.h"

#include <QCryptographicHash>
#include <QFileInfo>

TFileStamp StampOf(const QByteArray& bytes)
{
    return {bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

std::optional<TFileStamp> StampOnDisk(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) return std::nullopt;
    try {
        return StampOf(ReadDesignFile(fileName));
    } catch (const KorvelError&) {
        return TFileStamp{};
    }
}

TFileQuestion QuestionBeforeSaving(const TFileStamp& known, const std::optional<TFileStamp>& onDisk)
{
    return onDisk && *onDisk != known ? TFileQuestion::Overwrite : TFileQuestion::None;
}

TFileQuestion QuestionOnChange(const TFileStamp& known, const std::optional<TFileStamp>& onDisk,
                               const std::optional<TFileStamp>& asked, bool unsavedWork)
{
    if (!onDisk || *onDisk == known || onDisk == asked) return TFileQuestion::None;
    return unsavedWork ? TFileQuestion::ReloadLosingChanges : TFileQuestion::Reload;
}

QString FileQuestionText(TFileQuestion question, const QString& designName)
{
    const QString changed = "The file of the design \"" + designName + "\" was changed by another program";
    switch (question) {
    case TFileQuestion::Overwrite:
        return changed + " since it was opened or saved here. Overwrite it with the design shown here?";
    case TFileQuestion::Reload: return changed + ". Reload it?";
    case TFileQuestion::ReloadLosingChanges: return changed + ". Reload it and lose the changes made here?";
    case TFileQuestion::None: break;
    }
    return QString();
}
