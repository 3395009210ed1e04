// The drawing text as memo lines, read and written the way a text list splits and joins its text.
#pragma once

#include <QString>
#include <QStringList>

// An empty text has no lines, a final line break starts no further line, and "\r" is dropped.
QStringList TextLines(const QString& text);
// The text that TextLines reads back as `lines`, an empty last line included.
QString LinesText(const QStringList& lines);
