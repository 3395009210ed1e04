// The save dialog of the export commands, and the file name the program settles on.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks the user for a file to write: the chosen path, or an empty text when the user cancels.
// Windows hold one in a member, so that a test answers in place of the modal dialog.
using TAskFileName = std::function<QString()>;

// A modal save dialog that starts at `start` (a folder or a file), asks before replacing a file
// and adds `suffix` ("dxf") to a name typed without an extension before it looks for one.
QString RunSaveDialog(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                      const QString& start = QString());

// The answer of `ask` as an absolute path, with `suffix` added where it has no extension;
// empty when the user cancelled.
QString ExportFileName(const TAskFileName& ask, const QString& suffix);
