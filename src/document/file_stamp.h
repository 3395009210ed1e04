// What the open design's file held when Korvel last read or wrote it, and what to ask when
// another program has changed it since. The bytes decide: the clock that stamps a file's time
// ticks too coarsely to tell two quick writes apart, and a file written again with the same
// bytes has lost nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct TFileStamp {
    qint64 Size = -1;
    QByteArray Hash; // SHA-256 of the bytes
    bool operator==(const TFileStamp&) const = default;
};

TFileStamp StampOf(const QByteArray& bytes);

// The file as it is now: nothing when there is none. One that cannot be read, a pipe put in its
// place say, gets an empty stamp, which differs from that of any file that was read.
std::optional<TFileStamp> StampOnDisk(const QString& fileName);

enum class TFileQuestion { None, Overwrite, Reload, ReloadLosingChanges };

// Asked before a save writes over the file: Overwrite when another program changed it since it was
// read or written here. A file that is gone is simply written again.
TFileQuestion QuestionBeforeSaving(const TFileStamp& known, const std::optional<TFileStamp>& onDisk);

// Asked when the file changed while the design is open: whether to read it again, and so lose
// the unsaved work. A version asked about once is not asked about again.
TFileQuestion QuestionOnChange(const TFileStamp& known, const std::optional<TFileStamp>& onDisk,
                               const std::optional<TFileStamp>& asked, bool unsavedWork);

QString FileQuestionText(TFileQuestion question, const QString& designName);
