#include "widgets/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

QString RunSaveDialog(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                      const QString& start)
{
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
}

QString ExportFileName(const TAskFileName& ask, const QString& suffix)
{
    const QString answer = ask();
    if (answer.isEmpty()) return QString();
    const QFileInfo file(answer);
    return file.suffix().isEmpty() ? file.absoluteFilePath() + "." + suffix : file.absoluteFilePath();
}
