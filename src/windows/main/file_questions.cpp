#include "windows/main/file_questions.h"

#include "widgets/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kDesignFilter = QStringLiteral("Korvel designs (*.korvel);;All files (*)");

// On top, like every message of the program, so that the panels never hide it.
int ExecOnTop(QMessageBox& box)
{
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

TUnsavedAnswer AskInBox(const QString& designName)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral(" Korvel"),
                    "The design \"" + designName + "\" has changes that are not saved. Save them first?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    const int answer = ExecOnTop(box);
    if (answer == QMessageBox::Save) return TUnsavedAnswer::Save;
    if (answer == QMessageBox::Discard) return TUnsavedAnswer::Discard;
    return TUnsavedAnswer::Cancel;
}

// Nothing is written unless the user says so: Escape cancels.
TChangedFileAnswer AskInChangedFileBox(const QString& designName)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral(" Korvel"),
                    FileQuestionText(TFileQuestion::Overwrite, designName), QMessageBox::Cancel);
    QPushButton* overwrite = box.addButton("Overwrite", QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton("Save As...", QMessageBox::AcceptRole);
    box.setDefaultButton(saveAs);
    ExecOnTop(box);
    if (box.clickedButton() == overwrite) return TChangedFileAnswer::Overwrite;
    if (box.clickedButton() == saveAs) return TChangedFileAnswer::SaveAs;
    return TChangedFileAnswer::Cancel;
}

bool AskInReloadBox(TFileQuestion question, const QString& designName)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral(" Korvel"), FileQuestionText(question, designName));
    QPushButton* reload = box.addButton("Reload", QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton("Ignore", QMessageBox::RejectRole));
    ExecOnTop(box);
    return box.clickedButton() == reload;
}

QString AskInDialog(TFileUse use, const QString& current)
{
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    if (use == TFileUse::Open) return QFileDialog::getOpenFileName(nullptr, "Open design", folder, kDesignFilter);
    // The dialog adds the suffix itself, so that its question about replacing a file sees the real name.
    return RunSaveDialog(nullptr, "Save design as", kDesignFilter, "korvel", current.isEmpty() ? folder : current);
}

TUnsavedQuestion& UnsavedQuestion()
{
    static TUnsavedQuestion question = AskInBox;
    return question;
}

TFileNameQuestion& FileNameQuestion()
{
    static TFileNameQuestion question = AskInDialog;
    return question;
}

TChangedFileQuestion& ChangedFileQuestion()
{
    static TChangedFileQuestion question = AskInChangedFileBox;
    return question;
}

TReloadQuestion& ReloadQuestion()
{
    static TReloadQuestion question = AskInReloadBox;
    return question;
}

} // namespace

TUnsavedQuestion SetUnsavedQuestion(TUnsavedQuestion question)
{
    return std::exchange(UnsavedQuestion(), std::move(question));
}

TFileNameQuestion SetFileNameQuestion(TFileNameQuestion question)
{
    return std::exchange(FileNameQuestion(), std::move(question));
}

TUnsavedAnswer AskAboutUnsavedChanges(const QString& designName) { return UnsavedQuestion()(designName); }

QString AskForFileName(TFileUse use, const QString& current) { return FileNameQuestion()(use, current); }

TChangedFileQuestion SetChangedFileQuestion(TChangedFileQuestion question)
{
    return std::exchange(ChangedFileQuestion(), std::move(question));
}

TReloadQuestion SetReloadQuestion(TReloadQuestion question)
{
    return std::exchange(ReloadQuestion(), std::move(question));
}

TChangedFileAnswer AskAboutChangedFile(const QString& designName) { return ChangedFileQuestion()(designName); }

bool AskAboutReloading(TFileQuestion question, const QString& designName)
{
    return ReloadQuestion()(question, designName);
}
