// "Calculate" pressed through the windows: the report on the page, the hidden labels of the
// navigation panel, the bearing-reactions panel, the window moves and the diagram strips and
// positions handed to the profile editor.
#include "tform2_workflow.h"

#include "analysis/solver.h"
#include "canvas/canvas.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/editor/tform7.h"

#include <QComboBox>
#include <QLabel>

namespace {

// Whether `page` shows exactly `text` written at (x, y) in the page's body or heading font.
bool ShowsText(const QImage& page, int x, int y, const QString& text, int fontSize = 8)
{
    QImage reference(page.size(), QImage::Format_RGB32);
    reference.fill(Qt::white);
    Canvas canvas(reference);
    canvas.Font.Size = fontSize;
    canvas.TextOut(x, y, text);
    const QRect box(QPoint(x, y), canvas.TextExtent(text));
    return reference.copy(box) == page.copy(box);
}

bool AllWhite(const QImage& image, const QRect& box)
{
    QImage white(box.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    return image.copy(box) == white;
}

// Columns from `left` to the page's right edge.
bool SameRows(const QImage& editor, int editorTop, const QImage& page, int pageTop, int rows, int left = 0)
{
    const int width = page.width() - left;
    return editor.copy(left, editorTop, width, rows) == page.copy(left, pageTop, width, rows);
}

const QImage& EditorImage() { return Form7->Frame81->Image1->Picture(); }

QStringList Positions()
{
    QStringList items;
    for (int i = 0; i < Form7->c1->count(); ++i) items << Form7->c1->itemText(i);
    return items;
}

} // namespace

TEST_F(EntryTest, TheCompleteExampleReportsOnThePageAndClosesTheEntry)
{
    CalculateCompleteExample();
    const QImage& page = Form3->Page();

    EXPECT_TRUE(ShowsText(page, 30, 420, "Results", 10));
    EXPECT_TRUE(ShowsText(page, 50, 490, "Critical cross section = section 2"));
    EXPECT_TRUE(ShowsText(page, 350, 520, "RHA = 500.00 N   RHB = 500.00 N"));
    EXPECT_TRUE(ShowsText(page, 40, 580, "FH1 = 1000"));
    EXPECT_TRUE(ShowsText(page, 40, 760, "0*RHA + 100*RHB + = 50000"));
    EXPECT_EQ(page.pixelColor(100, 190), QColor(Qt::black)); // shear +500 from 0 to 50
    EXPECT_EQ(page.pixelColor(400, 280), QColor(Qt::black)); // shear -500 from 50 to 100
    EXPECT_EQ(page.pixelColor(300, 380), QColor(Qt::black)); // Mmax at the middle, 45 rows down
    EXPECT_EQ(page.pixelColor(300, 200), ColorFromValue(128)); // the critical-section marker

    EXPECT_EQ(Form6->l1->text(), "Mmax = 25000.00");
    EXPECT_EQ(Form6->l2->text(), "Critical cross section = 2");
    EXPECT_FALSE(Form6->l1->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->y(), 20);
    EXPECT_EQ(Form2->focusWidget(), Form2->n);
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(Form3->geometry().top(), 24);
    EXPECT_EQ(Form3->height(), 565);
    // Only the vertical plane fills and shows the panel.
    EXPECT_FALSE(Form11->isVisible());
    EXPECT_EQ(Form11->Label3->text(), "10000 N");
}

TEST_F(EntryTest, TheHorizontalPlaneHandsItsStripsToTheEditorWithoutPositions)
{
    CalculateCompleteExample();
    const QImage& page = Form3->Page();
    const QImage& editor = EditorImage();

    EXPECT_TRUE(SameRows(editor, 210, page, 0, 130));
    EXPECT_TRUE(SameRows(editor, 340, page, 285, 100));
    EXPECT_EQ(editor.pixelColor(300, 380 + 55), QColor(Qt::black)); // the page's Mmax pixel
    EXPECT_TRUE(AllWhite(editor, QRect(0, 0, 605, 210)));
    EXPECT_TRUE(AllWhite(editor, QRect(0, 440, 605, 285)));
    EXPECT_TRUE(AllWhite(editor, QRect(595, 210, 10, 230))); // copied 1:1, not stretched
    EXPECT_EQ(Form7->c1->count(), 0);
}

TEST_F(EntryTest, TheVerticalPlaneFillsTheReactionsPanelAndListsEachPositionOnce)
{
    // RHA = 300 N, RHB = 700 N.
    EnterShaft("100", {"0", "100"});
    AddForceAt("70", "1000", false);
    Calculate();
    // RVA = -400 N, RVB = -600 N.
    StartVertical();
    AddForceAt("60", "1000", true);
    Calculate();

    EXPECT_TRUE(Form11->isVisible());
    EXPECT_EQ(Form11->Label3->text(), "300.00 N");
    EXPECT_EQ(Form11->Label4->text(), "-400.00 N");
    EXPECT_EQ(Form11->Label5->text(), "700.00 N");
    EXPECT_EQ(Form11->Label6->text(), "-600.00 N");
    EXPECT_EQ(Form11->Label1->text(), "500.00 N");
    EXPECT_EQ(Form11->Label2->text(), "921.95 N");

    const QImage& page = Form3->Page();
    EXPECT_TRUE(SameRows(EditorImage(), 485, page, 0, 130, 45)); // right of the "[V]" label
    EXPECT_TRUE(SameRows(EditorImage(), 615, page, 285, 100));
    EXPECT_FALSE(SameRows(EditorImage(), 210, page, 0, 130)); // the horizontal strips stay
    EXPECT_TRUE(ShowsText(EditorImage(), 20, 265, "[H]"));
    EXPECT_TRUE(ShowsText(EditorImage(), 20, 540, "[V]"));
    EXPECT_EQ(Positions(), QStringList({"0", "60", "70", "100"}));
    EXPECT_EQ(Form7->c1->currentIndex(), 0);

    StartVertical();
    AddForceAt("60", "500", true);
    Calculate();
    EXPECT_EQ(Positions(), QStringList({"0", "60", "70", "100"}));
    EXPECT_EQ(Form11->Label4->text(), "-200.00 N");
}

TEST_F(EntryTest, CoincidingBearingsLeaveTheEntryOpenAndThePageWithoutAReport)
{
    MessageRecorder messages;
    EnterShaft("100", {"40", "40"});
    AddForceAt("50", "1000", false);
    Form2->show();
    const QImage page = Form3->Page();
    Calculate();

    EXPECT_EQ(messages.texts, QStringList{kBearingsCoincide});
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form2->BitBtn8->isEnabled());
    EXPECT_EQ(Form3->Page(), page);
    EXPECT_EQ(Analysis.PageLine, 420);
    EXPECT_EQ(Analysis.Moments.size(), 0u);
}

TEST_F(EntryTest, PositionsAreReadAndListedWithTheDecimalSeparator)
{
    DecimalSeparatorScope comma(',');
    EnterShaft("100", {"0", "100"});
    AddForceAt("12,5", "1000", false);
    Calculate();
    StartVertical();
    AddForceAt("87,25", "10", false);
    Calculate();
    EXPECT_EQ(Positions(), QStringList({"0", "12,5", "87,25", "100"}));
}
