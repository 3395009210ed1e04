// A line at the top of a check's page saying that its figures wait for "Apply": it comes up at
// the first edit of an input on the page and greys the figures, until the page's inputs are
// applied or shown anew.
#pragma once

#include <QLabel>
#include <QList>

class TWaitingNote : public QLabel {
    Q_OBJECT
public:
    TWaitingNote(QWidget& page, const QList<QWidget*>& figures);

    bool Waiting() const { return !isHidden(); }
    void SetWaiting(bool waiting);

private:
    void WatchInputs(QWidget& page);

    QList<QWidget*> figures_;
};
