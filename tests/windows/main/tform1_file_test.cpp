// The "File" menu of the main window over the whole window set: a design entered through the
// buttons comes back from its file with the same pictures, bad files and failed saves lose
// nothing, and the question about unsaved changes comes exactly when work would be lost.
#include "../entry/tform2_workflow.h"
#include "../../document/design_samples.h"

#include "windows/main/design_windows.h"
#include "windows/main/file_questions.h"
#include "windows/main/tform1.h"
#include "common/errors.h"
#include "common/whole_file.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/dimensioning/tform10.h"
#include "document/design_file.h"
#include "document/exact_number.h"
#include "windows/editor/tform7.h"
#include "windows/view3d/tform9.h"
#include "widgets/spin_edit.h"
#include "widgets/led.h"
#include "widgets/track_bar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Everything the open design shows: the analysis, the page, the reactions panel and the drawing.
struct TShownDesign {
    QStringList Analysis;
    QImage Page;
    QStringList Reactions;
    QImage Drawing;
    QStringList Entries; // the entry window's list
    bool operator==(const TShownDesign&) const = default;
};

QString Numbers(const Tav& diagram)
{
    QString text;
    for (const TMomentPoint& point : diagram)
        text += ExactNumberText(point.Position) + ":" + ExactNumberText(point.Left) + "/" + ExactNumberText(point.Right) + " ";
    return text;
}

TShownDesign Shown()
{
    QString points;
    for (const TShaftPoint& point : Analysis.Points) points += ExactNumberText(point.Position) + " ";
    const QStringList analysis{Analysis.ForceListText, Analysis.MomentListText, Analysis.ReactionSumText,
                               Analysis.ForceEqValues, Analysis.MomentEqValues, Numbers(Analysis.HorzDiagram),
                               Numbers(Analysis.VertDiagram), points,
                               QString::number(Analysis.HorzReactions[0], 'g', 17) + " " + QString::number(Analysis.VertReactions[1], 'g', 17),
                               ExactNumberText(Analysis.AllowBendStress), ExactNumberText(Form6->Data1->MT())};
    QStringList reactions;
    for (QLabel* label : {Form11->Label1, Form11->Label2, Form11->Label3, Form11->Label6}) reactions << label->text();
    QStringList entries;
    for (int row = 0; row < Form2->EntryList->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = Form2->EntryList->topLevelItem(row);
        entries << item->text(0) + " " + item->text(1) + " " + item->text(2) + " " + item->text(3);
    }
    return {analysis, Form3->Page(), reactions, Form7->Frame81->Image1->Picture(), entries};
}

QByteArray FileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The windows' boxes hold only their own items and mark types.
TDesign ChoosableInWindows(TDesign design)
{
    design.Dimensioning.Material = Form10->c2->itemText(int(design.Settings.ArcWidth) % Form10->c2->count());
    design.Dimensioning.TwistCycle = Form10->c1->itemText(int(design.Settings.LineWidth) % Form10->c1->count());
    design.Settings.ArcMarkType %= Form7->cb1->count();
    design.Settings.LineMarkType %= Form7->cb2->count();
    return design;
}

class FileTest : public EntryTest {
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        previousUnsaved_ = SetUnsavedQuestion([this](const QString&) {
            ++questions;
            return answer;
        });
        previousFileName_ = SetFileNameQuestion([this](TFileUse, const QString&) { return chosenFile; });
    }
    void TearDown() override
    {
        SetUnsavedQuestion(previousUnsaved_);
        SetFileNameQuestion(previousFileName_);
        EntryTest::TearDown();
    }

    // A fresh program: every window made anew.
    static void Restart()
    {
        DestroyWindowSet();
        Analysis = TAnalysisState();
        CreateWindowSet();
    }

    QString PathOf(const QString& name) const { return folder.filePath(name); }

    // Both planes, a stored material, a profile with a fillet, an added point, an overlay and a
    // 3D resolution, all through the windows' own controls.
    static void EnterWholeDesign()
    {
        EnterShaft("200", {"20", "180"});
        AddForceAt("60", "1500.5", false);
        AddForceAt("140", "700", true);
        Form2->BitBtn5->click();
        AddMomentAt("100", "25000", true);
        Form2->BitBtn7->click();
        Form2->BitBtn8->click();
        StartVertical();
        AddForceAt("90", "1200", false);
        Calculate();
        Form10->Edit1->setText("300000");
        Form10->Edit2->setText("30");
        Form10->BitBtn1->click();
        Form10->c2->setCurrentIndex(2);
        Form10->BitBtn3->click();
        Form10->BitBtn2->click();
        Form10->Edit3->setText("0,3x"); // a slip after "Apply", never stored
        Form7->SetMemoLines({"line 20/15/98/15/0/", "arc 94/17/98/15/98/15/100/17/", "line 100/17/100/20/0/",
                             "line 100/20/180/20/0/"});
        Form7->BitBtn4->click();
        Form7->ed2->setText("3");
        Form7->Edit5->setText("50");
        Form7->BitBtn2->click();
        Form7->sp8->click();
        Form9->RadioButton1->setChecked(true);
        Form9->ExTrackBar1->setValue(270);
    }

    QTemporaryDir folder;
    MessageRecorder messages;
    TUnsavedAnswer answer = TUnsavedAnswer::Cancel;
    int questions = 0;
    QString chosenFile;

private:
    TUnsavedQuestion previousUnsaved_;
    TFileNameQuestion previousFileName_;
};

TEST_F(FileTest, ADesignEnteredThroughTheWindowsComesBackFromItsFileInAFreshProgram)
{
    EnterWholeDesign();
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
    const TShownDesign entered = Shown();
    const QString diameter = Form10->Label7->text();
    ASSERT_FALSE(diameter.isEmpty());
    chosenFile = PathOf("shaft.korvel");
    Form1->SaveAction->trigger();
    ASSERT_EQ(Form1->FileName, PathOf("shaft.korvel"));
    EXPECT_EQ(Form1->windowTitle(), " Korvel - CAD - shaft.korvel[*]");
    EXPECT_FALSE(Form1->isWindowModified());

    Restart();
    ASSERT_FALSE(Form1->RecentMenu->actions().isEmpty());
    Form1->RecentMenu->actions().first()->trigger(); // the file saved last
    EXPECT_EQ(Form1->FileName, PathOf("shaft.korvel"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
    const TShownDesign opened = Shown();
    EXPECT_EQ(opened.Analysis, entered.Analysis);
    EXPECT_EQ(opened.Reactions, entered.Reactions);
    EXPECT_TRUE(opened.Page == entered.Page) << "the page";
    EXPECT_TRUE(opened.Drawing == entered.Drawing) << "the drawing with its overlay";
    EXPECT_EQ(opened.Entries, entered.Entries) << "the vertical plane's entries, listed once";
    EXPECT_GT(opened.Entries.size(), 1);
    EXPECT_TRUE(Form11->isVisible());
    EXPECT_TRUE(Form9->RadioButton1->isChecked());
    EXPECT_FALSE(Form10->Edit3->text().isEmpty());
    EXPECT_NE(Form10->Edit3->text(), "0,3x") << "the coefficient that was stored comes back";
    EXPECT_EQ(Form10->Label7->text(), diameter) << "the pre-dimensioning's result comes back";
    EXPECT_FALSE(Form1->Modified());
    Form1->SaveFile(PathOf("again.korvel"));
    EXPECT_EQ(FileBytes(PathOf("again.korvel")), FileBytes(PathOf("shaft.korvel")));
}

TEST_F(FileTest, RandomDesignsOpenedInFreshProgramsSaveTheSameBytesAndShowTheSamePictures)
{
    TRandomDesigns designs(7);
    for (int i = 0; i < 6; ++i) {
        const TDesign design = ChoosableInWindows(designs.Next());
        WriteFile(PathOf("random.korvel"), DesignToJson(design));
        Form1->OpenFile(PathOf("random.korvel"));
        const TShownDesign first = Shown();
        ASSERT_EQ(CaptureDesign(), design) << "design " << i;
        Form1->SaveFile(PathOf("saved.korvel"));
        ASSERT_EQ(FileBytes(PathOf("saved.korvel")), FileBytes(PathOf("random.korvel"))) << "design " << i;
        Restart();
        Form1->OpenFile(PathOf("saved.korvel"));
        ASSERT_TRUE(Shown() == first) << "design " << i;
    }
}

TEST_F(FileTest, ABadFileSaysWhatIsWrongAndLeavesTheOpenDesignAsItWas)
{
    EnterWholeDesign();
    chosenFile = PathOf("open.korvel");
    Form1->SaveAsClick();
    const TShownDesign before = Shown();
    const QByteArray good = DesignToJson(SmallDesign());
    QByteArray newer = good;
    newer.replace("\"version\": 4", "\"version\": 5");
    QByteArray missing = good;
    missing.replace("\"ShaftLength\"", "\"Length\"");
    QByteArray refused = good;
    refused.replace("\"Position\": \"50\"", "\"Position\": \"150\"");
    QByteArray noLength = good;
    noLength.replace("\"ShaftLength\": \"100\"", "\"ShaftLength\": \"0\"");
    const struct {
        const char* name;
        QByteArray bytes;
        QString says;
    } cases[] = {
        {"text.korvel", "shaft of 100 mm", "is not a JSON document"},
        {"newer.korvel", newer, "newer Korvel"},
        {"missing.korvel", missing, "ShaftLength"},
        {"refused.korvel", refused, "Horizontal.Entries[2]"},
        {"nolength.korvel", noLength, "ShaftLength"},
    };
    for (const auto& c : cases) {
        WriteFile(PathOf(c.name), c.bytes);
        messages.texts.clear();
        chosenFile = PathOf(c.name);
        Form1->OpenAction->trigger();
        ASSERT_EQ(messages.texts.size(), 1) << c.name;
        EXPECT_TRUE(messages.texts[0].contains(c.says)) << messages.texts[0].toStdString();
        EXPECT_TRUE(messages.texts[0].contains(c.name)) << messages.texts[0].toStdString();
        EXPECT_TRUE(Shown() == before) << c.name;
        EXPECT_EQ(Form1->FileName, PathOf("open.korvel"));
    }
    EXPECT_THROW(Form1->OpenFile(PathOf("absent.korvel")), KorvelError);
    EXPECT_TRUE(Shown() == before);
    const QByteArray saved = FileBytes(PathOf("open.korvel"));
    Form1->SaveAction->trigger();
    EXPECT_EQ(FileBytes(PathOf("open.korvel")), saved) << "a save writes the design on screen";
}

// Typed where the separator is a comma, opened where it is a point: the same numbers.
// A design saved when only A and B carried load opens and says once that C and D now carry it
// too; saved again, it is of the present version and opens without a word.
TEST_F(FileTest, AnOlderDesignOnFourBearingsOpensAndSaysItsReactionsChanged)
{
    TDesign design = SmallDesign();
    design.Horizontal.Entries.insert(design.Horizontal.Entries.begin() + 2,
                                     {{TEntryKind::Bearing, 30, 0, 1}, {TEntryKind::Bearing, 70, 0, 1}});
    QByteArray older = DesignToJson(design);
    older.replace("\"version\": 4", "\"version\": 2");
    WriteFile(PathOf("older.korvel"), older);
    chosenFile = PathOf("older.korvel");
    Form1->OpenAction->trigger();
    EXPECT_EQ(messages.texts, QStringList{"This design's bearings C, D now carry load: its reactions differ from those "
                                          "it was saved with."});
    EXPECT_EQ(Form1->FileName, PathOf("older.korvel"));
    EXPECT_EQ(Analysis.BearingCount, 4);

    Form1->SaveAction->trigger();
    messages.texts.clear();
    Form1->OpenFile(PathOf("older.korvel"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(FileTest, ADesignSavedUnderOneDecimalSeparatorOpensUnderTheOther)
{
    TDesign entered;
    QString points;
    {
        DecimalSeparatorScope comma(',');
        Restart();
        EnterShaft("100", {"0", "100"});
        AddForceAt("12,5", "1000,5", true);
        Calculate();
        Form10->Edit1->setText("300000");
        Form10->c2->setCurrentIndex(2);
        Form10->BitBtn3->click();
        Form10->Edit3->setText("0,3");
        Form10->BitBtn2->click();
        Form7->SetMemoLines({"line 0/12,5/100/12,5/0/"});
        Form7->Edit5->setText("62,5");
        Form7->BitBtn2->click();
        ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
        entered = CaptureDesign();
        for (const TShaftPoint& point : Analysis.Points) points += ExactNumberText(point.Position) + " ";
        Form1->SaveFile(PathOf("comma.korvel"));
    }
    Restart();
    Form1->OpenFile(PathOf("comma.korvel"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
    EXPECT_EQ(CaptureDesign(), entered);
    EXPECT_EQ(Form10->Edit3->text(), "0.3");
    EXPECT_EQ(Form7->MemoLines(), QStringList{"line 0/12.5/100/12.5/0/"});
    EXPECT_EQ(Analysis.TorsionCoeff, 0.3L);
    EXPECT_EQ(Analysis.Forces[0].Value, 1000.5L);
    QString opened;
    for (const TShaftPoint& point : Analysis.Points) opened += ExactNumberText(point.Position) + " ";
    EXPECT_EQ(opened, points);
}

TEST_F(FileTest, ASaveThatCannotBeWrittenSaysWhyAndKeepsTheOldFile)
{
    StartHorizontal();
    ApplyLength("100");
    chosenFile = PathOf("kept.korvel");
    Form1->SaveAction->trigger();
    const QByteArray old = FileBytes(PathOf("kept.korvel"));
    ASSERT_FALSE(old.isEmpty());
    AddBearingAt("0");
    // A folder stands where the file should go: nothing can be put in its place.
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.korvel"));
    chosenFile = PathOf("folder.korvel");
    Form1->SaveAsAction->trigger();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("The design could not be saved to")) << messages.texts[0].toStdString();
    EXPECT_EQ(Form1->FileName, PathOf("kept.korvel"));
    EXPECT_TRUE(Form1->Modified());
    EXPECT_EQ(FileBytes(PathOf("kept.korvel")), old);
}

bool IsWhiteBelow(const QImage& image, int top)
{
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
    return true;
}

// "Load in horizontal plane" over a design asks first, and the design stays until a length is
// applied: Escape gives it back, page and all, and a save writes it, not an empty shaft.
TEST_F(FileTest, ANewShaftAsksFirstAndLeftBeforeItsLengthGivesTheDesignBack)
{
    EnterWholeDesign();
    const TShownDesign before = Shown();
    const TDesign design = CaptureDesign();
    answer = TUnsavedAnswer::Cancel;
    QTest::mouseClick(Form6->Bitbtn2, Qt::LeftButton);
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(Form2->isVisible()) << "cancelled: nothing starts";
    EXPECT_TRUE(Shown() == before);

    answer = TUnsavedAnswer::Save;
    chosenFile = PathOf("kept.korvel");
    QTest::mouseClick(Form6->Bitbtn2, Qt::LeftButton);
    EXPECT_EQ(questions, 2);
    const QByteArray saved = FileBytes(PathOf("kept.korvel"));
    ASSERT_FALSE(saved.isEmpty());
    ASSERT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form2->Led1->IsOn());
    EXPECT_EQ(CaptureDesign(), design) << "the design holds the old shaft while the new one has no length";
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Shown() == before) << "the old shaft comes back, page and drawing included";

    // The vertical plane over a calculated one, left the same way; the design was saved: no question.
    QTest::mouseClick(Form6->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(Form2->Led3->IsOn());
    QTest::mouseClick(Form2->CloseButton, Qt::LeftButton);
    EXPECT_TRUE(Shown() == before);
    Form1->SaveAction->trigger();
    EXPECT_EQ(FileBytes(PathOf("kept.korvel")), saved);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();

    // With its length the new shaft is in every window; the profile and the inputs stay.
    QTest::mouseClick(Form6->Bitbtn2, Qt::LeftButton);
    QTest::keyClicks(Form2->Edit1, "300");
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    QTest::keyClick(Form2->Edit2, Qt::Key_Escape);
    EXPECT_EQ(Analysis.ShaftLength, 300);
    EXPECT_EQ(Form7->c1->count(), 0) << "no old positions";
    EXPECT_TRUE(IsWhiteBelow(Form7->Frame81->Image1->Picture(), 210)) << "no old strips or labels";
    EXPECT_TRUE(Analysis.VertDiagram.empty());
    const TDesign now = CaptureDesign();
    EXPECT_EQ(now.ShaftLength, 300);
    EXPECT_EQ(now.Vertical.Step, TPlaneStep::NotStarted);
    EXPECT_EQ(now.Profile, design.Profile);
    EXPECT_EQ(now.Dimensioning, design.Dimensioning);
    EXPECT_EQ(now.Check, design.Check);
    EXPECT_TRUE(Form1->Modified());
}

// Another program's version of the open file is offered to be opened and is never written over
// unasked; the program's own saves ask nothing.
TEST_F(FileTest, AFileChangedByAnotherProgramIsOfferedAndNotOverwrittenUnasked)
{
    QList<TFileQuestion> reloads;
    bool reload = false;
    const TReloadQuestion previousReload = SetReloadQuestion([&](TFileQuestion question, const QString&) {
        reloads << question;
        return reload;
    });
    TChangedFileAnswer changedAnswer = TChangedFileAnswer::Cancel;
    int overwriteQuestions = 0;
    const TChangedFileQuestion previousChanged = SetChangedFileQuestion([&](const QString&) {
        ++overwriteQuestions;
        return changedAnswer;
    });
    const auto restore = qScopeGuard([&] {
        SetReloadQuestion(previousReload);
        SetChangedFileQuestion(previousChanged);
    });
    EnterWholeDesign();
    chosenFile = PathOf("a.korvel");
    Form1->SaveAction->trigger();
    Form1->SaveAction->trigger();
    Form1->DesignFileChanged(); // as the watcher's signal for those saves
    EXPECT_TRUE(reloads.isEmpty());
    EXPECT_EQ(overwriteQuestions, 0);

    const QByteArray other = DesignToJson(SmallDesign());
    WriteWholeFile(PathOf("a.korvel"), other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reloads.isEmpty(); }, 10000)) << "the watcher saw the change";
    EXPECT_EQ(reloads, QList{TFileQuestion::Reload});
    Form1->SaveAction->trigger();
    EXPECT_EQ(overwriteQuestions, 1);
    EXPECT_EQ(FileBytes(PathOf("a.korvel")), other) << "cancelled";
    changedAnswer = TChangedFileAnswer::SaveAs;
    chosenFile = PathOf("b.korvel");
    Form1->SaveAction->trigger();
    EXPECT_EQ(FileBytes(PathOf("a.korvel")), other);
    EXPECT_EQ(Form1->FileName, PathOf("b.korvel"));
    EXPECT_EQ(DesignFromJson(FileBytes(PathOf("b.korvel"))), CaptureDesign());

    // Unsaved work: the question says it goes; opened again, the other version is shown.
    Form7->ed1->setText("4");
    WriteWholeFile(PathOf("b.korvel"), other);
    reload = true;
    Form1->DesignFileChanged();
    EXPECT_EQ(reloads.last(), TFileQuestion::ReloadLosingChanges);
    EXPECT_EQ(CaptureDesign(), DesignFromJson(other));
    EXPECT_FALSE(Form1->Modified());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
}

TEST_F(FileTest, UnsavedChangesAreAskedAboutOnlyWhenWorkWouldBeLost)
{
    Form1->NewAction->trigger();
    chosenFile = PathOf("none.korvel");
    Form1->OpenAction->trigger(); // no file there: a message, but no question
    EXPECT_EQ(questions, 0) << "a design in its start state has nothing to lose";
    EXPECT_EQ(Form1->windowTitle(), " Korvel - CAD");

    StartHorizontal();
    ApplyLength("100");
    answer = TUnsavedAnswer::Cancel;
    Form1->NewAction->trigger();
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(Analysis.ShaftLength, 100) << "cancelled: the design stays";
    EXPECT_FALSE(Form1->close()) << "cancelled: the program stays";
    EXPECT_EQ(questions, 2);

    answer = TUnsavedAnswer::Save;
    chosenFile = PathOf("asked.korvel");
    Form1->NewAction->trigger();
    EXPECT_EQ(questions, 3);
    EXPECT_FALSE(FileBytes(PathOf("asked.korvel")).isEmpty()) << "saved before it went";
    EXPECT_TRUE(Analysis.Points.empty()) << "then a new design";
    EXPECT_EQ(Form1->windowTitle(), " Korvel - CAD");

    Form1->OpenFile(PathOf("asked.korvel"));
    EXPECT_EQ(Form1->windowTitle(), " Korvel - CAD - asked.korvel[*]");
    Form1->NewAction->trigger();
    EXPECT_EQ(questions, 3) << "nothing changed since it was opened";

    Form1->OpenFile(PathOf("asked.korvel"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form1->isWindowModified());
    // The mark follows the controls, and goes again when the change is taken back.
    const QString width = Form7->ed1->text();
    Form7->ed1->setText("4");
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form1->isWindowModified());
    Form7->ed1->setText(width);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form1->isWindowModified());
    Form9->RadioButton1->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form1->isWindowModified());
    answer = TUnsavedAnswer::Discard;
    Form1->OpenAction->trigger();
    EXPECT_EQ(questions, 4);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form1->isWindowModified());
}

} // namespace
