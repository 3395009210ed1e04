// The diagram page window: a white page at creation and after clearing, the window placements
// of the planes, the page shown as drawn, "Save to file" with its working-directory rule, and a
// report too long for one page, entered through the real buttons.
#include "../entry/tform2_workflow.h"
#include "windows/main/tform1.h"
#include "windows/main/window_set.h"
#include "windows/results/tform3.h"
#include "windows/editor/tform7.h"
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

namespace {

QColor ShownAt(int x, int y) { return Form3->ScrollBox1->viewport()->grab().toImage().pixelColor(x, y); }

class LongReportTest : public EntryTest {
protected:
    // Eight forces and two moments on a 900 mm shaft: the report runs past row 860.
    static void CalculateLongReport()
    {
        EnterShaft("900", {"0", "900"});
        for (int n = 1; n <= 8; ++n) AddForceAt(QString::number(100 * n), QString::number(1111 * n), false);
        Form2->BitBtn5->click();
        AddMomentAt("150", "250000", true);
        AddMomentAt("650", "120000", false);
        Form2->BitBtn7->click();
        Form2->BitBtn8->click();
    }
};

TEST_F(LongReportTest, PageGrowsOnScreenAndInTheFileAndANewPlaneStartsAtTheTopOfOnePage)
{
    CalculateLongReport();
    const QImage page = Form3->Page();
    ASSERT_EQ(page.size(), QSize(595, 1720));
    EXPECT_EQ(Form3->Image1->size(), page.size());
    // The strips the editor receives come from the page's fixed rows.
    const QImage& editor = Form7->Frame81->Image1->Picture();
    EXPECT_EQ(editor.copy(0, 210, 595, 130), page.copy(0, 0, 595, 130));
    EXPECT_EQ(editor.copy(0, 340, 595, 100), page.copy(0, 285, 595, 100));

    // The last rows of the report can be scrolled to.
    QScrollBar* scroll = Form3->ScrollBox1->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    EXPECT_EQ(scroll->value() + Form3->ScrollBox1->viewport()->height(), 1720);

    QTemporaryDir folder;
    Form3->AskSaveFileName = [&] { return folder.filePath("long.bmp"); };
    Form3->SaveToFile1->trigger();
    ExpectBitmapFile(folder.filePath("long.bmp"), 595, 1720);
    EXPECT_EQ(QImage(folder.filePath("long.bmp")).convertToFormat(QImage::Format_RGB32), page);

    // Still scrolled to the bottom, the vertical plane starts on one page seen from its top.
    StartVertical();
    EXPECT_EQ(Form3->Page().size(), QSize(595, 860));
    EXPECT_EQ(Form3->Image1->size(), QSize(595, 860));
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(ShownAt(300, 65), QColor(Qt::black)); // the shaft axis
}

} // namespace
