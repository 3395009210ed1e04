// The main window's "File" menu: new, open, save and save as of the design, the recent files,
// the question about unsaved changes and the title that names the file.
#include "windows/main/tform1.h"

#include "windows/main/design_windows.h"
#include "windows/main/file_questions.h"
#include "windows/main/window_set.h"
#include "common/errors.h"
#include "document/design_file.h"
#include "windows/editor/tform7.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kUntitledTitle = QStringLiteral(" Korvel - CAD");
const QString kRecentFilesKey = QStringLiteral("RecentFiles");
constexpr int kRecentFileCount = 8;
constexpr int kTitleRefresh = 500; // ms between looks for unsaved changes

QSettings ProgramSettings() { return QSettings(QStringLiteral("Korvel"), QStringLiteral("Korvel")); }

QString ShownName(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

} // namespace

void TForm1::CreateFileMenu()
{
    MainMenu = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu);
    layout->addStretch();
    FileMenu = MainMenu->addMenu("&File");
    const auto addAction = [this](const QString& text, const QKeySequence& keys, auto handler) {
        QAction* action = FileMenu->addAction(text);
        action->setShortcut(keys);
        // The keys work from every window of the program, not only from this one.
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
        return action;
    };
    NewAction = addAction("&New", QKeySequence("Ctrl+N"), &TForm1::NewClick);
    OpenAction = addAction("&Open...", QKeySequence("Ctrl+O"), &TForm1::OpenClick);
    SaveAction = addAction("&Save", QKeySequence("Ctrl+S"), &TForm1::SaveClick);
    SaveAsAction = addAction("Save &As...", QKeySequence("Ctrl+Shift+S"), &TForm1::SaveAsClick);
    FileMenu->addSeparator();
    ExportDxfAction = addAction("Export &DXF...", QKeySequence(), &TForm1::ExportDxfClick);
    FileMenu->addSeparator();
    RecentMenu = FileMenu->addMenu("&Recent files");
    ListRecentFiles();
    titleTimer_ = new QTimer(this);
    connect(titleTimer_, &QTimer::timeout, this, Guarded(this, &TForm1::UpdateTitle));
    titleTimer_->start(kTitleRefresh);
}

// The same export as the button beside the editor's verification button.
void TForm1::ExportDxfClick() { Form7->ExportDxfButtonClick(); }

void TForm1::NewClick()
{
    if (!ConfirmLosingChanges()) return;
    RestartWorkWindows();
    FileName.clear();
    MarkSaved();
}

void TForm1::OpenClick()
{
    if (!ConfirmLosingChanges()) return;
    const QString fileName = AskForFileName(TFileUse::Open, FileName);
    if (!fileName.isEmpty()) OpenFile(fileName);
}

bool TForm1::SaveClick()
{
    if (FileName.isEmpty()) return SaveAsClick();
    return SaveFile(FileName);
}

bool TForm1::SaveAsClick()
{
    const QString fileName = AskForFileName(TFileUse::Save, FileName);
    if (fileName.isEmpty()) return false;
    return SaveFile(fileName);
}

// The whole file is read and checked before the open design is let go.
void TForm1::OpenFile(const QString& fileName)
{
    const QByteArray json = ReadDesignFile(fileName);
    try {
        OpenDesignDocument(json);
    } catch (const KorvelError& error) {
        RaiseError("The design \"" + ShownName(fileName) + "\" was not opened. " + error.Text());
    }
    FileName = QFileInfo(fileName).absoluteFilePath();
    MarkSaved();
    RememberRecentFile(FileName);
}

bool TForm1::SaveFile(const QString& fileName)
{
    const QByteArray json = DesignToJson(CaptureDesign());
    SaveDesignFile(fileName, json);
    FileName = QFileInfo(fileName).absoluteFilePath();
    savedJson_ = json;
    UpdateTitle();
    RememberRecentFile(FileName);
    return true;
}

bool TForm1::Modified() const
{
    // Before the other windows exist and while they are remade there is nothing to lose.
    if (!Form7) return false;
    return DesignToJson(CaptureDesign()) != savedJson_;
}

void TForm1::MarkSaved()
{
    savedJson_ = Form7 ? DesignToJson(CaptureDesign()) : QByteArray();
    UpdateTitle();
}

bool TForm1::ConfirmLosingChanges()
{
    if (!Modified()) return true;
    const QString name = FileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(FileName).fileName();
    switch (AskAboutUnsavedChanges(name)) {
    case TUnsavedAnswer::Save: {
        // A save that fails has said why; the changes are kept and the work stays where it is.
        bool saved = false;
        RunGuarded([&] { saved = SaveClick(); });
        return saved;
    }
    case TUnsavedAnswer::Discard: return true;
    case TUnsavedAnswer::Cancel: return false;
    }
    return false;
}

void TForm1::UpdateTitle()
{
    if (FileName.isEmpty()) {
        setWindowTitle(kUntitledTitle);
        return;
    }
    setWindowTitle(kUntitledTitle + " - " + QFileInfo(FileName).fileName() + (Modified() ? " *" : ""));
}

void TForm1::ListRecentFiles()
{
    // The action that asked for this may be the one running; it goes once it has returned.
    for (QAction* action : RecentMenu->actions()) {
        RecentMenu->removeAction(action);
        action->deleteLater();
    }
    const QStringList files = ProgramSettings().value(kRecentFilesKey).toStringList();
    for (const QString& fileName : files) {
        QAction* action = RecentMenu->addAction(ShownName(fileName));
        connect(action, &QAction::triggered, this, [this, fileName] { RunGuarded([&] { OpenRecentFile(fileName); }); });
    }
    RecentMenu->setEnabled(!files.isEmpty());
}

void TForm1::RememberRecentFile(const QString& fileName)
{
    QSettings settings = ProgramSettings();
    QStringList files = settings.value(kRecentFilesKey).toStringList();
    files.removeAll(fileName);
    files.prepend(fileName);
    settings.setValue(kRecentFilesKey, files.mid(0, kRecentFileCount));
    ListRecentFiles();
}

void TForm1::OpenRecentFile(const QString& fileName)
{
    if (ConfirmLosingChanges()) OpenFile(fileName);
}
