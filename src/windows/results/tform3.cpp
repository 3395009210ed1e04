// TForm3: the diagram page in its scrolling tool window: clearing, placements and saving.
#include "windows/results/tform3.h"

#include "windows/entry/tform2.h"
#include "windows/main/tform1.h"
#include "common/errors.h"
#include "diagrams/calculation_report.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

TForm3* Form3 = nullptr;

namespace {
const QSize kPageSize(kPageWidth, kPageHeight);
}

TPageImage::TPageImage(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setFixedSize(picture.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPageImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      page_(kPageSize, QImage::Format_RGB32),
      canvas_(page_)
{
    setWindowTitle("Form3");
    setGeometry(177, 425, 620, 176);

    Image1 = new TPageImage(page_, this);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidget(Image1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);

    SaveToFile1 = new QAction("Save to file", Image1);
    Image1->addAction(SaveToFile1);
    Image1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(SaveToFile1, &QAction::triggered, this, Guarded(this, &TForm3::SaveToFile1Click));
    InitialData1 = new QAction("Initial data", Image1);
    InitialData1->setEnabled(false);
    Image1->addAction(InitialData1);
    connect(InitialData1, &QAction::triggered, this, [] { Form2->show(); });

    AskSaveFileName = [this] { return RunSaveDialog(); };
    FormCreate();
}

void TForm3::FormCreate() { PaintWhite(); }

Canvas& TForm3::PageCanvas()
{
    Image1->update();
    return canvas_;
}

// A page grown by a long report starts again at its first size. The outline of the rectangle
// lies outside the image, so only the white inside shows.
void TForm3::PaintWhite()
{
    if (page_.size() != kPageSize) page_ = QImage(kPageSize, QImage::Format_RGB32);
    FitImageToPage();
    canvas_.Pen = TPen();
    canvas_.Brush = TBrush();
    canvas_.Font = TFont();
    canvas_.Rectangle(-1, -1, page_.width() + 1, page_.height() + 1);
    Image1->update();
}

// A new page is seen from its top, where its drawing starts.
void TForm3::ClearPage()
{
    PaintWhite();
    ScrollBox1->verticalScrollBar()->setValue(0);
    ScrollBox1->horizontalScrollBar()->setValue(0);
    resize(width(), 170);
}

void TForm3::ShowPlane(const QString& caption)
{
    setWindowTitle(caption);
    MoveTop(425);
    show();
}

void TForm3::ShowResults()
{
    FitImageToPage();
    MoveTop(24);
    resize(width(), 565);
    show();
}

// The report may have grown the page: the scroll area then reaches its new rows.
void TForm3::FitImageToPage() { Image1->setFixedSize(page_.size()); }

void TForm3::MoveTop(int top)
{
    QRect area = geometry();
    area.moveTop(top);
    setGeometry(area);
}

QString TForm3::RunSaveDialog()
{
    if (!sd1) {
        sd1 = new QFileDialog(this);
        sd1->setAcceptMode(QFileDialog::AcceptSave);
        sd1->setDefaultSuffix("bmp");
    }
    if (sd1->exec() != QDialog::Accepted) return QString();
    return sd1->selectedFiles().value(0);
}

// The working directory goes back to the start directory before anything can fail, so a failed
// write cannot leave the glyph paths pointing elsewhere.
void TForm3::SaveToFile1Click()
{
    QString fileName = AskSaveFileName();
    if (!fileName.isEmpty()) fileName = QFileInfo(fileName).absoluteFilePath();
    QDir::setCurrent(StartDir);
    if (fileName.isEmpty()) return;
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += ".bmp";
    canvas_.SaveToBmp(fileName);
}
