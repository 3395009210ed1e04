// Colours and styles that the windows share: what a failing figure looks like on screen.
#pragma once

#include <QColor>
#include <QString>

// The background of a figure or a row that fails its check.
inline const QColor kFailingColor(255, 170, 170);

// The style sheet of a label that shows a failure, or none.
inline QString FailingStyle(bool fails)
{
    return fails ? "background-color: " + kFailingColor.name() : QString();
}
