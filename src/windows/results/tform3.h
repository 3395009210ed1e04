// TForm3: the diagram page, a 595 x 860 white page image (longer when a long report grows it) in a
// scrolling tool window. The load scheme, the diagrams and the report are drawn on its canvas;
// the user can save it as a bitmap.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QAction;
class QFileDialog;
class QScrollArea;

// The page shown 1:1; it paints straight from the image, so it always shows what is drawn.
class TPageImage : public QWidget {
    Q_OBJECT
public:
    TPageImage(const QImage& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& picture_;
};

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QScrollArea* ScrollBox1;
    TPageImage* Image1;
    QAction* SaveToFile1; // the page's context menu item "Save to file"
    // The item "Initial data": brings back the closed entry window of the plane.
    QAction* InitialData1;
    QFileDialog* sd1 = nullptr; // made at its first use: its file system model is slow to take down
    // Asks for the file name to save to; empty when cancelled. Runs sd1 unless a test replaces it.
    std::function<QString()> AskSaveFileName;

    // The canvas the drawing routines paint on. Asking for it schedules a repaint of the page,
    // so whatever a handler draws through it shows once the handler returns.
    Canvas& PageCanvas();
    const QImage& Page() const { return page_; }

    void FormCreate();
    void SaveToFile1Click();
    // Wipes the page white at its first size, scrolls to its top and brings the window back to
    // its small height.
    void ClearPage();
    // The page of a plane that starts: caption "Horizontal plane" or "Vertical plane".
    void ShowPlane(const QString& caption);
    // The page after a calculation: tall enough to show the diagrams, scrolling over all its rows.
    void ShowResults();

private:
    QString RunSaveDialog();
    void FitImageToPage();
    void MoveTop(int top);
    void PaintWhite();

    QImage page_;
    Canvas canvas_; // draws on page_
};

extern TForm3* Form3;
