// The main window's "File" menu: new, open, save and save as of the design, the recent files,
// the question about unsaved changes and the title that names the file.
#include "windows/main/tform1.h"

#include "windows/main/design_windows.h"
#include "windows/main/file_questions.h"
#include "windows/main/window_set.h"
#include "common/errors.h"
#include "document/design_file.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform7.h"
#include "windows/entry/tform2.h"
#include "windows/main/tform6.h"
#include "windows/view3d/tform9.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kUntitledTitle = QStringLiteral(" Korvel - CAD");
const QString kRecentFilesKey = QStringLiteral("RecentFiles");
constexpr int kRecentFileCount = 8;
constexpr int kFileCheckDelay = 500; // ms between looks at a changed file while a message box is open

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
    ExportPdfAction = addAction("Export &PDF...", QKeySequence(), &TForm1::ExportPdfClick);
    PrintAction = addAction("&Print...", QKeySequence::Print, &TForm1::PrintClick);
    PrintPreviewAction = addAction("Print Pre&view", QKeySequence(), &TForm1::PrintPreviewClick);
    ReportDetailsAction = addAction("Report &details...", QKeySequence(), &TForm1::ReportDetailsClick);
    AskPdfFileName = [this] { return RunSaveDialog(this, "Export PDF", "PDF document (*.pdf)", "pdf"); };
    FileMenu->addSeparator();
    RecentMenu = FileMenu->addMenu("&Recent files");
    ListRecentFiles();
    FileMenu->addSeparator();
    // Closing the main window ends the program, after the question about unsaved work.
    ExitAction = addAction("E&xit", QKeySequence::Quit, &TForm1::close);
    FileWatcher = new QFileSystemWatcher(this);
    const auto changed = [this] { RunGuarded([this] { DesignFileChanged(); }); };
    connect(FileWatcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(FileWatcher, &QFileSystemWatcher::directoryChanged, this, changed);
    fileCheckLater_ = new QTimer(this);
    fileCheckLater_->setSingleShot(true);
    fileCheckLater_->setInterval(kFileCheckDelay);
    connect(fileCheckLater_, &QTimer::timeout, this, changed);
}

// A burst of changes, a design being opened say, is compared with the file once, after it.
void TForm1::NoteDesignChange()
{
    if (titleCheckPending_) return;
    titleCheckPending_ = true;
    QTimer::singleShot(0, this, [this] {
        titleCheckPending_ = false;
        RunGuarded([this] { UpdateTitle(); });
    });
}

void TForm1::WatchControls(QWidget* window)
{
    const auto note = [this] { NoteDesignChange(); };
    for (auto* edit : window->findChildren<QLineEdit*>()) connect(edit, &QLineEdit::textChanged, this, note);
    for (auto* memo : window->findChildren<QPlainTextEdit*>()) connect(memo, &QPlainTextEdit::textChanged, this, note);
    for (auto* box : window->findChildren<QComboBox*>()) connect(box, &QComboBox::currentTextChanged, this, note);
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        connect(button, &QAbstractButton::clicked, this, note);
        connect(button, &QAbstractButton::toggled, this, note);
    }
    for (auto* slider : window->findChildren<QAbstractSlider*>()) connect(slider, &QAbstractSlider::valueChanged, this, note);
    for (auto* spin : window->findChildren<QSpinBox*>()) connect(spin, &QSpinBox::valueChanged, this, note);
}

void TForm1::WatchWorkWindows()
{
    for (QWidget* window : std::initializer_list<QWidget*>{Form2, Form6, Form7, Form9, Form10}) WatchControls(window);
}

// The same export as the button beside the editor's verification button.
void TForm1::ExportDxfClick() { Form7->ExportDxfButtonClick(); }

void TForm1::NewClick()
{
    if (!ConfirmLosingChanges()) return;
    RestartWorkWindows();
    FileName.clear();
    WatchDesignFile();
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
    if (QuestionBeforeSaving(fileStamp_, StampOnDisk(FileName)) == TFileQuestion::None) return SaveFile(FileName);
    // Another program's version goes only when the user says so; "Save As" keeps it.
    switch (AskAboutChangedFile(QFileInfo(FileName).fileName())) {
    case TChangedFileAnswer::Overwrite: return SaveFile(FileName);
    case TChangedFileAnswer::SaveAs: return SaveAsClick();
    case TChangedFileAnswer::Cancel: return false;
    }
    return false;
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
    KeepFileStamp(json);
    MarkSaved();
    RememberRecentFile(FileName);
}

bool TForm1::SaveFile(const QString& fileName)
{
    const QByteArray json = DesignToJson(CaptureDesign());
    SaveDesignFile(fileName, json);
    FileName = QFileInfo(fileName).absoluteFilePath();
    KeepFileStamp(json);
    savedJson_ = json;
    ShowTitle(false);
    RememberRecentFile(FileName);
    return true;
}

// What the file holds now is this program's own: the watcher's signal for the write finds the
// file as stamped, and nothing is asked.
void TForm1::KeepFileStamp(const QByteArray& bytes)
{
    fileStamp_ = StampOf(bytes);
    askedStamp_.reset();
    WatchDesignFile();
}

// A file replaced by renaming another over it is a new file to the watcher, and one deleted and
// written again is seen through its folder.
void TForm1::WatchDesignFile()
{
    const QStringList watched = FileWatcher->files() + FileWatcher->directories();
    const QStringList wanted = FileName.isEmpty() ? QStringList() : QStringList{FileName, QFileInfo(FileName).absolutePath()};
    for (const QString& path : watched)
        if (!wanted.contains(path)) FileWatcher->removePath(path);
    for (const QString& path : wanted)
        if (!watched.contains(path) && QFileInfo::exists(path)) FileWatcher->addPath(path);
}

void TForm1::DesignFileChanged()
{
    WatchDesignFile();
    if (FileName.isEmpty()) return;
    // A message box may have stopped a handler half-way through the windows; opening a file now
    // would remake them under it. The question waits until no box is open.
    if (QApplication::activeModalWidget()) {
        fileCheckLater_->start();
        return;
    }
    const std::optional<TFileStamp> onDisk = StampOnDisk(FileName);
    const TFileQuestion question = QuestionOnChange(fileStamp_, onDisk, askedStamp_, Modified());
    if (question == TFileQuestion::None) return;
    // Each version is asked about once, whatever the answer: one that fails to open is not offered again.
    askedStamp_ = onDisk;
    if (AskAboutReloading(question, QFileInfo(FileName).fileName())) OpenFile(FileName);
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
    ShowTitle(false);
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

void TForm1::UpdateTitle() { ShowTitle(!FileName.isEmpty() && Modified()); }

void TForm1::ShowTitle(bool modified)
{
    setWindowTitle(FileName.isEmpty() ? kUntitledTitle : kUntitledTitle + " - " + QFileInfo(FileName).fileName() + "[*]");
    setWindowModified(modified);
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
