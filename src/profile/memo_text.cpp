#include "profile/memo_text.h"

QStringList TextLines(const QString& text)
{
    QString plain = text;
    plain.remove('\r');
    if (plain.isEmpty()) return {};
    QStringList lines = plain.split('\n');
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString LinesText(const QStringList& lines)
{
    QString text = lines.join('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) text += '\n';
    return text;
}
