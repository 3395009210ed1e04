// The calculation report read back by poppler as a reviewer's reader would: A4 pages numbered
// "Page n of N", the figures the windows show as searchable text, each plane's page pixel for
// pixel, failing rows red, and a document for a design with nothing calculated yet.
#include "report_designs.h"
#include "poppler.h"

#include "check/suggestion_texts.h"
#include "common/number_text.h"
#include "diagrams/calculation_report.h"
#include "report/report_blocks.h"
#include "report/report_painting.h"

#include <QDate>
#include <QFile>

namespace {

class PdfReportTest : public ::testing::Test {
protected:
    // The report written to a file, and its pages as painted.
    QString Write(const TReportDocument& report, const QString& name = "report.pdf")
    {
        const QString fileName = folder.filePath(name);
        QFile file(fileName);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ReportPdfBytes(report));
        return fileName;
    }

    static TReportDocument Report(const TDesign& design)
    {
        return MakeReportDocument(design, "shaft.korvel", QDate(2026, 3, 14));
    }

    // Pixels of `color` on a page rendered at 72 dpi.
    static int PixelsOf(const QImage& page, QColor color)
    {
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) count += page.pixel(x, y) == color.rgb();
        return count;
    }

    QTemporaryDir folder;
};

TEST_F(PdfReportTest, ReadsAsTheWindowsShowTheCalculation)
{
    const TReportDocument report = Report(Cylinder("20"));
    const QString fileName = Write(report);
    const TPdfInfo info = PdfInfo(fileName);
    EXPECT_EQ(info.PageSize, "595 x 842 pts (A4)");
    ASSERT_EQ(info.Pages, 7); // the title with the loads, the diagrams, the drawing and the checks, both planes' pages

    const QString text = PdfText(fileName);
    for (const QString& expected :
         {QString("Page 1 of 7"), QString("Page 7 of 7"), QString("Design shaft.korvel"), QString("Date 2026-03-14"),
          QString("1000000 N*mm"), QString("FH1 force 50 1000.00"),
          // The page's own lines for each plane, and the reactions panel's resultants.
          QString("RHA = 500.00 N RHB = 500.00 N"), QString("RVA = 500.00 N RVB = 500.00 N"),
          QString("Fmax= 500.00 N Mmax= 25000.00 N*mm"), QString("RA = 707.11 N RB = 707.11 N"),
          QString::fromUtf8("\u00D840"), QString("Scale 1:1"),
          WeakestSectionText(report.Checks->Strength).simplified(), CriticalSpeedText(report.Checks->Shaft.Speed),
          // After the checks, what would make the weakest row pass.
          QString("What to change"), RowHeading(report.Checks->Suggestions.Rows.at(0)).simplified()})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\nin: " << text.toStdString();
    EXPECT_TRUE(WeakestSectionText(report.Checks->Strength).startsWith("Weakest section: x = 50 mm, ratio "));
    // Real text in fonts the file carries: every font embedded.
    const QStringList fonts = PopplerOutput("pdffonts", {fileName}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) EXPECT_TRUE(font.contains(" yes ")) << font.toStdString();

    const double dpi = kBlockDpi;
    const QImage& page = report.Pages.Planes.front().Page;
    ASSERT_EQ(page.size(), QSize(kPageWidth, kPageHeight));
    const int matching = MatchingPixels(PdfPage(fileName, 6, dpi), page, kImageCaptionHeight, dpi);
    EXPECT_EQ(matching, kPageWidth * kPageHeight);
}

TEST_F(PdfReportTest, FailingRowsAreRedAsOnScreen)
{
    const QString thin = Write(Report(Cylinder("20")), "thin.pdf");
    const QString ample = Write(Report(Cylinder("80")), "ample.pdf");
    const QImage thinChecks = PdfPage(thin, PageHolding(thin, "d(x) required"), 72);
    const QImage ampleChecks = PdfPage(ample, PdfInfo(ample).Pages, 72);
    // Four rows too small at 8 points a row, over most of the table's width.
    EXPECT_GT(PixelsOf(thinChecks, kTooSmallColor), 4 * 6 * 200);
    // The ample shaft passes its strength table; only its fatigue safety stays short.
    EXPECT_LT(PixelsOf(ampleChecks, kTooSmallColor), PixelsOf(thinChecks, kTooSmallColor) / 2);
    EXPECT_FALSE(PdfText(ample).contains("too small"));
}

TEST_F(PdfReportTest, NothingCalculatedGivesWhatExistsAndSaysWhatIsMissing)
{
    TDesign design;
    design.Horizontal = {TPlaneStep::Forces, {{TEntryKind::Bearing, 10, 0, 1}, {TEntryKind::Bearing, 90, 0, 1}}};
    design.ShaftLength = 100;
    const TReportDocument report = Report(design);
    ASSERT_EQ(report.Pages.Planes.size(), 1u);
    EXPECT_FALSE(report.Pages.Planes[0].Calculated);
    const QString fileName = Write(report);
    const QString text = PdfText(fileName);
    for (const QString& expected :
         {QString("The horizontal plane is not calculated."), QString("No loads are entered in the vertical plane."),
          QString("The dimensioning inputs (material, Mt, theory) are not applied."),
          QString("Nothing is drawn in the profile editor."), QString("Material not applied"),
          QString("10 mm, 90 mm"), QString("Appendix: Horizontal plane: the diagram page (not calculated"),
          QString("Reactions: not calculated.")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\nin: " << text.toStdString();
    // The load scheme as far as it was entered: the page is the window's, shaft and bearings drawn.
    const double dpi = kBlockDpi;
    const QImage& page = report.Pages.Planes[0].Page;
    const int appendix = PdfInfo(fileName).Pages;
    EXPECT_EQ(MatchingPixels(PdfPage(fileName, appendix, dpi), page, kImageCaptionHeight, dpi), kPageWidth * kPageHeight);
    EXPECT_EQ(QColor(page.pixel(50, 65)), QColor(Qt::black)); // the shaft axis

    // A design without anything: still a document.
    EXPECT_GE(PdfInfo(Write(Report(TDesign()), "empty.pdf")).Pages, 1);
}

// The title block entered once for the design; an archive reads the PDF/A claim, the author and
// the subject from the metadata, and finds every font in the file and no page drawn see-through.
TEST_F(PdfReportTest, ArchivableWithItsTitleBlockAuthorAndSubject)
{
    TDesign design = Cylinder("40");
    design.Report = {"Gearbox G-12", "G12-003", "B", "Ana Pop", "Ion Ionescu", "7 Dec 2026"};
    const QString fileName = Write(Report(design));
    const QString text = PdfText(fileName);
    for (const QString& expected : {QString("Project Gearbox G-12"), QString("Drawing number G12-003"),
                                    QString("Engineer Ana Pop"), QString("Checked by Ion Ionescu"),
                                    QString("Date 7 Dec 2026"), QString("shaft.korvel, revision B Page 7 of 7")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    const QString metadata = PopplerOutput("pdfinfo", {"-meta", fileName});
    for (const QString& expected : {QString("pdfaid:part=\"1\""), QString("pdfaid:conformance=\"B\""),
                                    QString("<rdf:li>Ana Pop</rdf:li>"), QString("Strength design of a machine shaft: Gearbox G-12")})
        EXPECT_TRUE(metadata.contains(expected)) << expected.toStdString();
    const QStringList fonts = PopplerOutput("pdffonts", {fileName}).split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
        const QStringList columns = font.split(' ', Qt::SkipEmptyParts); // name ... emb sub uni object ID
        EXPECT_EQ(columns.value(columns.size() - 5), "yes") << font.toStdString();
    }
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(QRegularExpression(R"(/(CA|ca) (0|\.)[0-9.]*)").match(QString::fromLatin1(bytes)).hasMatch())
        << "no see-through drawing";
}

// A third bearing C at 75 mm under the small design's 1000 N at 50 in both planes. The three-moment
// equation (Clapeyron) over the spans 75 and 25 mm gives the moment over C, 2 M_C (75 + 25) =
// -P a (L1^2 - a^2) / L1 with a = 50, L1 = 75: M_C = -10416.67 N*mm; so B takes M_C / 25 =
// -416.67 N, A (M_C + 25000) / 75 = 194.44 N and C 1222.22 N in each plane.
TEST_F(PdfReportTest, ThreeBearingsNameTheirMethodEveryBearingLoadAndItsInputs)
{
    TDesign design = Cylinder("40");
    design.Horizontal.Entries.insert(design.Horizontal.Entries.begin() + 2, {TEntryKind::Bearing, 75, 0, 1});
    const QString text = PdfText(Write(Report(design)));
    for (const QString& expected : {QString("Statically indeterminate, 3 supports: stiffness method, drawn section"),
                                    QString("RHA = 194.44 N RHB = -416.67 N RHC = 1222.22 N"),
                                    QString("RA = 274.99 N RB = 589.26 N RC = 1728.48 N"),
                                    QString("Modulus of elasticity E 210000 MPa"), QString("Bearing C ball, no rating C, rigid"),
                                    QString("n_f by the modified Goodman line (eq. 6-46)")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

// A long report grows the page; each 860 rows become a PDF page of their own.
TEST_F(PdfReportTest, GrownPageGoesOverWholePages)
{
    TDesign design = Cylinder("40");
    for (int n = 1; n < 40; ++n) design.Horizontal.Entries.push_back({TEntryKind::Force, 1.5L * n, 10.0L * n, 1});
    const TReportDocument report = Report(design);
    const QImage& page = report.Pages.Planes.front().Page;
    ASSERT_EQ(page.height(), 2 * kPageHeight);
    const QString fileName = Write(report);
    const QString text = PdfText(fileName);
    EXPECT_TRUE(text.contains("Horizontal plane: the diagram page, part 2 of 2"));
    const double dpi = kBlockDpi;
    const QImage second = page.copy(0, kPageHeight, kPageWidth, kPageHeight);
    const int secondPart = PdfInfo(fileName).Pages - 1; // the vertical plane's page comes last
    EXPECT_EQ(MatchingPixels(PdfPage(fileName, secondPart, dpi), second, kImageCaptionHeight, dpi), kPageWidth * kPageHeight);
}

// A bored shaft's report lists the bore of each step under its heading with the unit, and the
// drawing writes each bore diameter.
TEST_F(PdfReportTest, ABoredShaftsReportGivesItsBore)
{
    const QString text = PdfText(Write(Report(BoredDesign()), "bored.pdf"));
    for (const QString& expected : {QString::fromUtf8("from [mm] to [mm] \u00D8 [mm] Bore [mm] form"), QString("0.00 58.00 40.00 20.00 cylinder"),
                                    QString("100.00 198.00 60.00 25.00 cylinder"), QString::fromUtf8("\u00D825")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\nin: " << text.toStdString();
}

// A drawing whose text does not read, and a crowded one whose small fillets are listed: the report
// is still written, says what it cannot show, and lists what it cannot point at.
TEST_F(PdfReportTest, AnUnreadableDrawingIsSaidAndACrowdedOneListsItsSmallRadii)
{
    TDesign broken = SteppedDesign();
    broken.Profile = {"line 0/0/0/twenty/0/"};
    // A force right over bearing A: the bearing takes it all, and the plane's diagrams are flat zero.
    broken.Vertical.Entries = {{TEntryKind::Force, 10, 1000, 0}};
    const QString text = PdfText(Write(Report(broken), "broken.pdf"));
    EXPECT_TRUE(text.contains("The steps cannot be listed: ")) << text.toStdString();
    EXPECT_TRUE(text.contains("Load schemes and diagrams"));
    EXPECT_TRUE(text.contains("FV1 = 1000 N")) << text.toStdString();
    EXPECT_TRUE(text.contains("Vertical plane: load scheme, shear force and bending moment"));

    const QString crowded = PdfText(Write(Report(CrowdedDesign()), "crowded.pdf"));
    for (const QString& expected : {QString("No. radius or chamfer where"), QString("1 fillet R 0.4 x = 3.6 ... 4 mm"),
                                    QString("12 fillet R 0.4 x = 47.6 ... 48 mm")})
        EXPECT_TRUE(crowded.contains(expected)) << expected.toStdString();
}

// The diagrams and the drawing in the body are lines and text: pdfimages finds the planes' pages
// on the appendix's last two pages and nothing before them, and the drawing's dimensions, the
// scheme's loads and the fatigue table's marks are text a reader can search.
TEST_F(PdfReportTest, BodyIsLinesAndTextOnlyTheAppendixHoldsPixels)
{
    const QString fileName = Write(Report(SteppedDesign()));
    const int pages = PdfInfo(fileName).Pages;
    QList<int> imagePages;
    for (const QString& line : PopplerOutput("pdfimages", {"-list", fileName}).split('\n', Qt::SkipEmptyParts).mid(2))
        imagePages << line.split(' ', Qt::SkipEmptyParts).value(0).toInt();
    EXPECT_EQ(imagePages, QList<int>({pages - 1, pages}));
    const QString appendix = PopplerOutput("pdftotext", {"-f", QString::number(pages - 1), fileName, "-"});
    EXPECT_TRUE(appendix.contains("Appendix: Horizontal plane: the diagram page"));

    const QString text = PdfText(fileName);
    for (const QString& expected :
         {QString::fromUtf8("\u00D840"), QString::fromUtf8("\u00D860"), QString("R2"), QString("Scale 1:2"),
          QString("FH1 = 1000 N"), QString("MV1 = 20000 N*mm"), QString("RHA = 1138.89 N"), QString("M [N*mm]"),
          QString("Resultant bending moment"), QString("Required diameter against the drawn one"), QString("60 *"),
          QString("* the weakest notch")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    // The overall length and the chain, as the drawing writes them under the outline.
    EXPECT_TRUE(QRegularExpression(R"(\b60\s+140\s+200\b)").match(text).hasMatch());
    for (const QString& font : PopplerOutput("pdffonts", {fileName}).split('\n', Qt::SkipEmptyParts).mid(2))
        EXPECT_TRUE(font.contains(" yes ")) << font.toStdString();
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QRegularExpression(R"(/(CA|ca) (0|\.)[0-9.]*)").match(QString::fromLatin1(file.readAll())).hasMatch());
}

} // namespace

namespace {

int PurplePixels(const QImage& page)
{
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            count += c.red() > 100 && c.green() < 80 && c.blue() > 100;
        }
    return count;
}

// A shaft with elements has its T(x) drawn among the checks, with axes in N*m and mm and the
// elements' figures in its inputs; a shaft without has no such section.
TEST_F(PdfReportTest, ElementsTorqueIsPlottedWithItsAxes)
{
    TReportDocument report = Report(Cylinder("80"));
    ASSERT_TRUE(report.Checks);
    const QString plain = Write(report, "plain.pdf");
    EXPECT_FALSE(PdfText(plain).contains("T [N*m]"));
    report.Checks->Inputs.ElementDrive = {{{20, 120}, {70, 0}}, true, 0, -800};
    report.Checks->Inputs.TwistingMoment = 120000;
    const QString fileName = Write(report, "elements.pdf");
    const QString text = PdfText(fileName);
    for (const QString& expected : {QString("Twisting moment"), QString("T [N*m]"), QString("x [mm]"), QString("120.00"),
                                    QString("T(x) of the elements, largest |T| 120000 N*mm"), QString("Axial load Fa 800 N")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    int purple = 0;
    for (int page = 1; page <= PdfInfo(fileName).Pages; ++page) purple += PurplePixels(PdfPage(fileName, page, 72));
    EXPECT_GT(purple, 40) << "the staircase is drawn";
    TDesign withGear = Cylinder("80");
    withGear.Elements.push_back(TMachineElement{});
    EXPECT_TRUE(MainData(withGear).contains({"Twisting moment Mt", "T(x) of the shaft elements"}));
}

} // namespace
