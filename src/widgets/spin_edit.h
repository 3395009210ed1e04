// A spin editor whose arrow buttons repeat while held; typing into it can be switched off so
// that only the arrows change the value.
#pragma once

#include <QSpinBox>

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void SetTypingEnabled(bool enabled);
    bool IsTypingEnabled() const;
};
