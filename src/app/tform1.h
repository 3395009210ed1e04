// TForm1: the main window. It holds nothing but the caption button that minimises the whole
// program; closing it ends the program.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class CaptionButton;

// The working directory when the main window was created; the page's save dialog returns to it
// so that the relative glyph paths keep resolving.
extern QString StartDir;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    CaptionButton* CaptionButton1;

    void FormCreate();
    void CaptionButton1Click();
    // Where no window manager maximises the window, it is given the whole screen itself.
    void FillScreenIfNotMaximised();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void RestoreMinimisedWindows();

    QList<QPointer<QWidget>> minimisedWindows_;
};

extern TForm1* Form1;
