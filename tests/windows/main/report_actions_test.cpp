// File > Export PDF... over a design entered through the windows: the report shows the page
// window's own pixels and the figures the windows show, the editor's button writes the same
// report, and a place that cannot be written keeps the file that was there.
#include "../entry/tform2_workflow.h"
#include "../../report/poppler.h"
#include "../../../bench/largest_design.h"

#include "diagrams/calculation_report.h"
#include "document/design_file.h"
#include "report/plane_pages.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/main/design_windows.h"
#include "windows/main/report_details_dialog.h"
#include "windows/main/tform1.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

class ReportActionsTest : public EntryTest {
protected:
    // The complete example in both planes, the dimensioning applied and a shaft too thin for it.
    static void EnterDesign()
    {
        CalculateCompleteExample();
        StartVertical();
        AddForceAt("50", "1000", false);
        Calculate();
        Form10->Edit1->setText("1000000");
        Form10->c2->setCurrentIndex(0);
        Form10->BitBtn3->click();
        Form10->BitBtn2->click();
        Form7->SetMemoLines({"line 0/0/0/20/0/", "line 0/20/100/20/0/", "line 100/20/100/0/0/"});
        Form7->BitBtn4->click();
        Form7->VerificationButton->click();
    }

    QTemporaryDir folder;
    MessageRecorder messages;
};

TEST_F(ReportActionsTest, ExportPdfWritesWhatTheWindowsShow)
{
    EnterDesign();
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    // The page window holds the vertical plane's page: the report's is the same, pixel for pixel.
    const TPlanePages pages = ReplayPlanePages(CaptureDesign());
    ASSERT_EQ(pages.Planes.size(), 2u);
    EXPECT_EQ(pages.Planes[1].Page, Form3->Page());

    int asked = 0;
    Form1->AskPdfFileName = [&] {
        ++asked;
        return folder.filePath("report");
    };
    Form1->ExportPdfAction->trigger();
    const QString fileName = folder.filePath("report.pdf");
    EXPECT_EQ(PdfInfo(fileName).PageSize, "595 x 842 pts (A4)");
    const QString text = PdfText(fileName);
    for (const QString& shown : {Form11->Label1->text(), Form11->Label6->text(),
                                 Form7->VerificationWindow().Label1->text().simplified(), QString("Design Untitled")})
        EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << "\nin: " << text.toStdString();
    // The vertical plane's page as the window shows it, last in the appendix.
    EXPECT_EQ(MatchingPixels(PdfPage(fileName, PdfInfo(fileName).Pages, kBlockDpi), Form3->Page(), kImageCaptionHeight, kBlockDpi),
              Form3->Page().width() * Form3->Page().height());

    // The editor's button writes the same report; a cancelled dialog writes nothing.
    Form1->AskPdfFileName = [&] {
        ++asked;
        return folder.filePath("from the editor.pdf");
    };
    Form7->ExportPdfButton->click();
    Form1->AskPdfFileName = [&] {
        ++asked;
        return QString();
    };
    Form1->ExportPdfAction->trigger();
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"from the editor.pdf", "report.pdf"}));
    EXPECT_EQ(PdfInfo(folder.filePath("from the editor.pdf")).Pages, PdfInfo(fileName).Pages);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// The page drawn again for the report equals the window's after the longest entry: each plane's
// load scheme with 510 loads and a chain redrawn after every one, and its grown report.
TEST_F(ReportActionsTest, TheLargestDesignsPagesAreThePageWindows)
{
    TDesign horizontalOnly = LargestDesign();
    horizontalOnly.Vertical = {};
    for (const TDesign& design : {LargestDesign(), horizontalOnly}) {
        OpenDesignDocument(DesignToJson(design));
        const TPlanePages pages = ReplayPlanePages(CaptureDesign());
        EXPECT_EQ(pages.Planes.back().Page, Form3->Page());
        EXPECT_GT(Form3->Page().height(), kPageHeight);
    }
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// The preview paints the same pages on the printer's device; it is read, then closed.
TEST_F(ReportActionsTest, PrintPreviewShowsTheSamePages)
{
    EnterDesign();
    Form1->AskPdfFileName = [&] { return folder.filePath("report.pdf"); };
    Form1->ExportPdfAction->trigger();
    int previewed = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        previewed = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    Form1->PrintPreviewAction->trigger();
    EXPECT_EQ(previewed, PdfInfo(folder.filePath("report.pdf")).Pages);
    EXPECT_EQ(Form1->PrintAction->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// A place that cannot be written gives the writer's message; what a full disk does to an
// existing file is the writer's own test.
TEST_F(ReportActionsTest, APlaceThatCannotBeWrittenGivesTheUsualMessage)
{
    EnterDesign();
    QFile blocker(folder.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString fileName = folder.filePath("blocker/report.pdf");
    Form1->AskPdfFileName = [&] { return fileName; };
    Form1->ExportPdfAction->trigger();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("Cannot write the file \"" + QDir::toNativeSeparators(fileName)))
        << messages.texts[0].toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList("blocker"));
}

} // namespace

namespace {

// File > Report details...: the title block typed once is kept with the design (the title marks
// it unsaved) and heads the report; Cancel keeps what was there.
TEST_F(ReportActionsTest, ReportDetailsAreKeptWithTheDesignAndHeadTheReport)
{
    EnterDesign();
    Form1->MarkSaved();
    const auto answer = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto* dialog = qobject_cast<TReportDetailsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->ProjectEdit->setText("Gearbox G-12");
            dialog->EngineerEdit->setText(" Ana Pop ");
            dialog->RevisionEdit->setText("C");
            accept ? dialog->accept() : dialog->reject();
        });
    };
    answer(true);
    Form1->ReportDetailsAction->trigger();
    EXPECT_EQ(Form1->ReportDetails.Engineer, "Ana Pop");
    EXPECT_TRUE(Form1->Modified());
    EXPECT_EQ(CaptureDesign().Report.Project, "Gearbox G-12");

    answer(false);
    Form1->ReportDetailsAction->trigger();
    EXPECT_EQ(Form1->ReportDetails.Revision, "C");
    const QString fileName = folder.filePath("report.pdf");
    Form1->AskPdfFileName = [&] { return fileName; };
    Form1->ExportPdfAction->trigger();
    EXPECT_TRUE(PdfText(fileName).contains("Untitled, revision C Page 1 of 6"));
}

} // namespace
