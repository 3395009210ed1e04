// The save dialog adds its suffix before it looks for a file of that name, so that a name typed
// without one never replaces a file unasked.
#include "widgets/save_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

TEST(SaveDialog, ANameTypedWithoutItsSuffixIsAskedAboutBeforeItsFileIsReplaced)
{
    QTemporaryDir folder;
    QFile existing(folder.filePath("shaft.korvel"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QString question;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("shaft");
        QTimer::singleShot(0, [&, dialog = QPointer<QFileDialog>(dialog)] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            }
            if (dialog) dialog->reject();
        });
        static_cast<QDialog*>(dialog)->accept(); // the dialog's own checks run as for its button
    });
    const QString chosen = RunSaveDialog(nullptr, "Save design as", "Korvel designs (*.korvel)", "korvel", folder.path());
    EXPECT_TRUE(question.contains("shaft.korvel")) << question.toStdString();
    EXPECT_TRUE(chosen.isEmpty()) << "not replaced";
}
