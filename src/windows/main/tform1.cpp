// TForm1: the main window. It holds the caption button that minimises the whole program and the
// "File" menu of the design; closing it ends the program.
#include "windows/main/tform1.h"

#include "common/errors.h"
#include "widgets/caption_button.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScreen>
#include <QTimer>

TForm1* Form1 = nullptr;
QString StartDir;

namespace {
constexpr int kWindowManagerGrace = 300; // ms a window manager gets to maximise the window
}

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(" Korvel - CAD");
    // The size it returns to when restored; it is shown maximised.
    setGeometry(301, 264, 250, 185);
    CaptionButton1 = new CaptionButton(this, 34);
    connect(CaptionButton1, &CaptionButton::clicked, this, Guarded(this, &TForm1::CaptionButton1Click));
    CreateFileMenu();
    FormCreate();
}

void TForm1::FormCreate() { StartDir = QDir::currentPath(); }

void TForm1::CaptionButton1Click()
{
    minimisedWindows_.clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->isMinimized()) continue;
        minimisedWindows_ << window;
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
    }
}

// Coming back from the taskbar brings back every window that went down with it.
void TForm1::RestoreMinimisedWindows()
{
    for (const QPointer<QWidget>& window : std::as_const(minimisedWindows_)) {
        if (window.isNull() || window == this) continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }
    minimisedWindows_.clear();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized()) RestoreMinimisedWindows();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (isMaximized()) QTimer::singleShot(kWindowManagerGrace, this, Guarded(this, &TForm1::FillScreenIfNotMaximised));
}

void TForm1::FillScreenIfNotMaximised()
{
    const QRect available = screen()->availableGeometry();
    // A maximised window spans nearly the screen; the restore size is far smaller.
    if (isMaximized() && width() < available.width() / 2) setGeometry(available);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!ConfirmLosingChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this) window->hide();
    QApplication::quit();
}
