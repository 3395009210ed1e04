// The diagram page window: a white page at creation and after clearing, the window placements
// of the planes, the page shown as drawn, and "Save to file" with its working-directory rule.
#include "app/tform1.h"
#include "app/window_set.h"
#include "diagrams/tform3.h"
#include "test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PageTest : public ::testing::Test {
protected:
    void SetUp() override { CreateWindowSet(); }
    void TearDown() override
    {
        DestroyWindowSet();
        QDir::setCurrent(startDir_);
    }

    // Draws over the page with everything the drawing routines may leave behind.
    static void Scribble()
    {
        Canvas& canvas = Form3->PageCanvas();
        canvas.Pen.Color = Qt::red;
        canvas.Pen.Width = 3;
        canvas.Brush.Style = TBrushStyle::VerticalHatch;
        canvas.Rectangle(20, 430, 300, 700);
        canvas.MoveTo(0, 65);
        canvas.LineTo(594, 65);
    }

    static bool EveryPixelWhite(const QImage& image)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
        return true;
    }

    QString startDir_ = QDir::currentPath();
};

TEST_F(PageTest, PageIsWhiteAtCreationAndAfterClearing)
{
    ASSERT_EQ(Form3->Page().size(), QSize(595, 860));
    EXPECT_TRUE(EveryPixelWhite(Form3->Page()));

    Scribble();
    EXPECT_FALSE(EveryPixelWhite(Form3->Page()));
    Form3->ClearPage();
    EXPECT_TRUE(EveryPixelWhite(Form3->Page()));
    EXPECT_EQ(Form3->height(), 170);

    // The next drawing starts from the default pen and brush again.
    Canvas& canvas = Form3->PageCanvas();
    canvas.Rectangle(100, 100, 110, 110);
    EXPECT_EQ(canvas.Pixel(100, 105), QColor(Qt::black));
    EXPECT_EQ(canvas.Pixel(101, 101), QColor(Qt::white));
    EXPECT_EQ(canvas.Pixel(110, 105), QColor(Qt::white));
}

TEST_F(PageTest, PlaneAndResultPlacementsOfTheWindow)
{
    Form3->ShowPlane("Horizontal plane");
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(Form3->windowTitle(), "Horizontal plane");
    EXPECT_EQ(Form3->geometry().top(), 425);
    EXPECT_GT(Form3->ScrollBox1->verticalScrollBar()->maximum(), 0);

    Form3->ShowResults();
    EXPECT_EQ(Form3->geometry().top(), 24);
    EXPECT_EQ(Form3->height(), 565);
    Form3->ShowPlane("Vertical plane");
    EXPECT_EQ(Form3->windowTitle(), "Vertical plane");
    EXPECT_EQ(Form3->geometry().top(), 425);
}

TEST_F(PageTest, WindowShowsWhatIsDrawnOnThePage)
{
    Form3->ShowPlane("Horizontal plane");
    Canvas& canvas = Form3->PageCanvas();
    canvas.MoveTo(50, 65);
    canvas.LineTo(550, 65);
    const QImage shown = Form3->Image1->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(300, 65)), QColor(Qt::black));
    EXPECT_EQ(QColor(shown.pixel(300, 66)), QColor(Qt::white));
}

TEST_F(PageTest, SavedPageIsATwentyFourBitBitmapOfTheWholePage)
{
    QTemporaryDir folder;
    Canvas& canvas = Form3->PageCanvas();
    canvas.MoveTo(10, 800);
    canvas.LineTo(100, 800);
    Form3->AskSaveFileName = [&] { return folder.filePath("plane"); };
    Form3->SaveToFile1->trigger();

    ExpectBitmapFile(folder.filePath("plane.bmp"), 595, 860);
    const QImage saved(folder.filePath("plane.bmp"));
    EXPECT_EQ(QColor(saved.pixel(50, 800)), QColor(Qt::black));
    EXPECT_EQ(QColor(saved.pixel(50, 801)), QColor(Qt::white));
}

// The dialog may leave the working directory elsewhere; the glyph paths need it back.
TEST_F(PageTest, WorkingDirectoryReturnsToTheStartAfterSavingAndCancelling)
{
    QTemporaryDir elsewhere;
    for (const QString& answer : {QString("relative.bmp"), QString()}) {
        Form3->AskSaveFileName = [&] {
            QDir::setCurrent(elsewhere.path());
            return answer;
        };
        Form3->SaveToFile1->trigger();
        EXPECT_EQ(QDir::currentPath(), StartDir);
    }
    // A name relative to where the dialog was is saved there, not in the start directory.
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("relative.bmp")));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(PageTest, UnwritableFileIsReportedAndWritesNothing)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("missing/plane.bmp");
    Scribble();
    const QImage before = Form3->Page().copy();
    MessageRecorder messages;
    Form3->AskSaveFileName = [&] {
        QDir::setCurrent(folder.path());
        return target;
    };
    Form3->SaveToFile1->trigger();

    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(target));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(Form3->Page(), before);
    EXPECT_EQ(QDir::currentPath(), StartDir);
}

} // namespace
