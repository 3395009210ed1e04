// Program entry: the application, the message box every failure goes to, the window set, and
// the splash that brings up the rest.
#include "app/batch_commands.h"
#include "windows/main/tform1.h"
#include "windows/main/tform12.h"
#include "windows/main/window_set.h"
#include "common/errors.h"
#include "common/memory_reuse.h"
#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

// A design named on the command line opens once the splash has gone: the splash's own handler
// of the tick runs first, so the splash is hidden when this one sees it.
void OpenAfterSplash(const QString& fileName)
{
    auto* connection = new QMetaObject::Connection;
    *connection = QObject::connect(Form12->Timer1, &QTimer::timeout, Form1, [connection, fileName] {
        if (Form12->isVisible()) return;
        QObject::disconnect(*connection);
        delete connection;
        RunGuarded([&] { Form1->OpenFile(fileName); });
    });
}

QByteArrayList ArgumentsOf(int argc, char** argv)
{
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    KeepLargeBlocksForReuse();
    const TCommandLine commandLine = ParseRawCommandLine(ArgumentsOf(argc, argv));
    if (commandLine.Mode != TCommandMode::Windows) return RunWithoutWindows(commandLine);
    QApplication application(argc, argv);
    SetMessageSink(ShowModalMessage);
    CreateWindowSet();
    Form12->show();
    if (!commandLine.Files.isEmpty()) OpenAfterSplash(commandLine.Files.first());
    const int result = application.exec();
    DestroyWindowSet();
    return result;
}
