// Program entry: the application, the message box every failure goes to, the window set, and
// the splash that brings up the rest.
#include "app/tform12.h"
#include "app/window_set.h"
#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// The program's title, which its message boxes carry. It is deliberately not the application's
// display name: the platform would append that to every window title.
const QString kProgramTitle = QStringLiteral(" Korvel");

// Modal and on top, so that it is never hidden behind the always-on-top panels.
void ShowModalMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetMessageSink(ShowModalMessage);
    CreateWindowSet();
    Form12->show();
    const int result = application.exec();
    DestroyWindowSet();
    return result;
}
