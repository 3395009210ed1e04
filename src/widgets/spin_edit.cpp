// A spin editor whose arrow buttons repeat while held; typing into it can be switched off so
// that only the arrows change the value.
#include "widgets/spin_edit.h"

#include <QLineEdit>

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent)
{
}

void SpinEdit::SetTypingEnabled(bool enabled)
{
    // Only the text field goes read-only: the spin box's own read-only flag would stop the arrows too.
    lineEdit()->setReadOnly(!enabled);
}

bool SpinEdit::IsTypingEnabled() const
{
    return !lineEdit()->isReadOnly();
}
