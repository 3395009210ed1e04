// TForm1: the main window. It holds the caption button that minimises the whole program and the
// "File" menu of the design; closing it ends the program.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "document/file_stamp.h"
#include "document/report_details.h"
#include "widgets/save_dialog.h"

#include <optional>

class CaptionButton;
class QAction;
class QFileSystemWatcher;
class QMenu;
class QMenuBar;
class QTimer;

// The working directory when the main window was created; the page's save dialog returns to it
// so that the relative glyph paths keep resolving.
extern QString StartDir;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    CaptionButton* CaptionButton1;
    QMenuBar* MainMenu;
    QMenu* FileMenu;
    QMenu* RecentMenu;
    QAction* NewAction;
    QAction* OpenAction;
    QAction* SaveAction;
    QAction* SaveAsAction;
    QAction* ExportDxfAction; // the editor's drawing out to a 2D CAD
    QAction* ExportPdfAction; // the whole calculation as a document
    QAction* PrintAction;
    QAction* PrintPreviewAction;
    QAction* ReportDetailsAction;
    QAction* ExitAction;
    TAskFileName AskPdfFileName; // the save dialog, or a test's answer

    // The report's title block, kept with the design.
    TReportDetails ReportDetails;
    // The file of the open design; empty for a design never saved.
    QString FileName;
    // Watches the file and its folder while the design is open, so that a change made by another
    // program is seen at once.
    QFileSystemWatcher* FileWatcher;

    void FormCreate();
    void CaptionButton1Click();
    // Where no window manager maximises the window, it is given the whole screen itself.
    void FillScreenIfNotMaximised();

    void NewClick();
    void ExportDxfClick();
    // The calculation report of the open design: to a PDF file, to the printer, or seen first.
    void ExportPdfClick();
    void PrintClick();
    void PrintPreviewClick();
    void ReportDetailsClick();
    void OpenClick();
    // Both return whether the design was saved; a save that fails says why and keeps the old file.
    bool SaveClick();
    bool SaveAsClick();
    void OpenFile(const QString& fileName);
    bool SaveFile(const QString& fileName);
    // Whether the design differs from what was last opened or saved.
    bool Modified() const;
    // Asks about unsaved changes; true when the work may go on (saved, discarded or none).
    bool ConfirmLosingChanges();
    // The file's name, marked "*" while the design differs from its file.
    void UpdateTitle();
    // What the windows hold now counts as saved.
    void MarkSaved();
    // The title follows every change made through the controls of the windows that hold the
    // design; called whenever those windows are made anew.
    void WatchWorkWindows();
    // The watcher's signal: a file that another program changed is offered to be opened again.
    void DesignFileChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void RestoreMinimisedWindows();
    void CreateFileMenu();
    void ListRecentFiles();
    void RememberRecentFile(const QString& fileName);
    void OpenRecentFile(const QString& fileName);

    void KeepFileStamp(const QByteArray& bytes);
    void WatchDesignFile();

    void NoteDesignChange();
    void ShowTitle(bool modified);
    void WatchControls(QWidget* window);

    QList<QPointer<QWidget>> minimisedWindows_;
    QByteArray savedJson_;
    TFileStamp fileStamp_;                    // the file as it was last read or written here
    std::optional<TFileStamp> askedStamp_; // a version already asked about
    QTimer* fileCheckLater_;
    bool titleCheckPending_ = false;
};

extern TForm1* Form1;
