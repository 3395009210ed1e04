// TForm2: the initial-data window. One plane of the shaft is entered in four steps (length,
// bearings, forces, moments), each drawn on the page at once, and then calculated.
#pragma once

#include "analysis/load_model.h"
#include "document/entry_removal.h"
#include "widgets/skinned_window.h"

#include <QString>

class ImageButton;
class Led;
class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

inline const QString kAddGlyphFile = QStringLiteral("img/badd.bmp");
inline const QString kApplyGlyphFile = QStringLiteral("img/bapply.bmp");

// Shows the glyph file (relative to the working directory) on the button, its bottom-left
// colour transparent; a file that cannot be read leaves the button without a picture.
void LoadGlyph(QPushButton* button, const QString& fileName);

// The step whose controls are enabled; after the moments, only "Calculate" opens.
enum class TEntryStep { Length, Bearings, Forces, Moments, Calculate };

// Whether "Calculate" writes the report's texts under the diagrams.
enum class TReportTexts { Written, LeftOut };

class TForm2 : public SkinnedWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    Led* Led1;
    Led* Led2;
    Led* Led3;
    Led* Led4;
    QLineEdit* Edit1; // length, mm
    QLineEdit* Edit2; // bearing position, mm
    QLineEdit* Edit3; // force position, mm
    QLineEdit* Edit4; // force value, N
    QLineEdit* Edit5; // moment position, mm
    QLineEdit* Edit6; // moment value, N*mm
    QRadioButton* rb1; // force with the reactions (up)
    QRadioButton* rb2; // force against them (down)
    QRadioButton* rb3; // clockwise moment
    QRadioButton* rb4; // counter-clockwise moment
    QPushButton* BitBtn1; // length "Apply"
    QPushButton* BitBtn2; // bearing "Add"
    QPushButton* BitBtn3; // bearings "Apply"
    QPushButton* BitBtn4; // force "Add"
    QPushButton* BitBtn5; // forces "Apply"
    QPushButton* BitBtn6; // moment "Add"
    QPushButton* BitBtn7; // moments "Apply"
    QPushButton* BitBtn8; // "Calculate"
    QPushButton* b1;      // "Distributed load"
    QPushButton* b2;      // "Eccentric axial forces"
    QLineEdit* n;         // zero width: parks the keyboard focus
    QAction* Action1;     // full reset: a new shaft, horizontal plane
    QAction* Action2;     // partial reset: the vertical plane of the same shaft
    QTreeWidget* EntryList;    // the plane's length and entries, in entry order
    QPushButton* RemoveButton; // "Remove": takes back the selected entry (also Delete in the list)
    ImageButton* CloseButton;  // closes the window, as Escape does; what was entered stays

    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    // "Calculate". An opened design leaves out the horizontal report's texts when its vertical
    // plane follows: that plane starts on a cleared page, and the editor takes only the diagrams.
    void Calculate(TReportTexts texts);
    void b1Click();
    void b2Click();
    void Action1Execute();
    void Action2Execute();
    void RemoveButtonClick();
    // Ctrl+Z anywhere in the window: takes back the last entry.
    void TakeBackLast();

    // What the buttons do with the numbers they read, short of the distance chain: the chain
    // wipes its band before it draws, so a design being opened draws it once, after its last entry.
    void EnterLength(long double length);
    Tvector EnterBearing(long double position);
    void EnterForce(long double position, long double value, bool withReactions);
    void EnterMoment(long double position, long double value, bool clockwise);
    // While a batch is open the entry list stays as it is; closing it lists the current plane
    // once. A design being opened enters hundreds of loads, and the horizontal plane's rows would
    // go again as soon as the vertical plane starts.
    void OpenEntryBatch() { listingHeld_ = true; }
    void CloseEntryBatch();

    // Every show brings the window to the front with the keyboard focus.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateLengthStep();
    void CreateBearingStep();
    void CreateForceStep();
    void CreateMomentStep();
    void ConnectHandlers();
    void ConnectEnterKeys();
    Led* AddLed(int top);
    QLabel* AddLabel(const QString& text, int left, int top);
    void AddHeading(const QString& text, int top);
    QLineEdit* AddField(const QString& caption, int left, int top);
    QPushButton* AddButton(const QString& caption, int left, int top, int width);
    QRadioButton* AddDirection(QButtonGroup* group, int left, int top, const QPixmap& picture);
    void EnterStep(TEntryStep step);
    void SolveWithElements(bool horizontal);
    void ReportResults(bool horizontal, TReportTexts texts);
    void CreateEntryList();
    void ConnectEntryKeys();
    void FillEntryList();
    void AppendLastEntryRow();
    void TakeBack(size_t row);

    bool listingHeld_ = false;
};

extern TForm2* Form2;
