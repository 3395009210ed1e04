#include "windows/editor/waiting_note.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

TWaitingNote::TWaitingNote(QWidget& page, const QList<QWidget*>& figures) : QLabel(&page), figures_(figures)
{
    setText("Inputs changed: the figures below are those of the last \"Apply\". Press \"Apply\" to work them out "
            "again.");
    setWordWrap(true);
    setStyleSheet("color: rgb(150, 90, 0); font-weight: bold");
    if (auto* layout = qobject_cast<QBoxLayout*>(page.layout())) layout->insertWidget(0, this);
    WatchInputs(page);
    SetWaiting(false);
}

void TWaitingNote::SetWaiting(bool waiting)
{
    setVisible(waiting);
    for (QWidget* figure : std::as_const(figures_)) figure->setEnabled(!waiting);
}

// Only what the user does counts: the fields' own fills at a show do not.
void TWaitingNote::WatchInputs(QWidget& page)
{
    const auto wait = [this] { SetWaiting(true); };
    for (auto* field : page.findChildren<QLineEdit*>()) connect(field, &QLineEdit::textEdited, this, wait);
    for (auto* box : page.findChildren<QComboBox*>()) {
        connect(box, &QComboBox::activated, this, wait);
        if (box->lineEdit()) connect(box->lineEdit(), &QLineEdit::textEdited, this, wait);
    }
    for (auto* view : page.findChildren<QAbstractItemView*>()) {
        // A results table, and any table's headers, are no input.
        if (view->editTriggers() == QAbstractItemView::NoEditTriggers || qobject_cast<QHeaderView*>(view)) continue;
        connect(view->model(), &QAbstractItemModel::dataChanged, this, wait);
        connect(view->model(), &QAbstractItemModel::rowsInserted, this, wait);
        connect(view->model(), &QAbstractItemModel::rowsRemoved, this, wait);
    }
}
