// TForm7: the 2D profile editor. The engineer draws the half-section of the shaft with the
// pointer tools, or types its statements into the DHL panel; below the drawing band it shows the
// load schemes and moment diagrams of both planes, and it lists the analysed positions.
#pragma once

#include "analysis/load_model.h"
#include "analysis/solver.h"
#include "canvas/canvas.h"
#include "check/check_inputs.h"
#include "widgets/save_dialog.h"
#include "profile/editor_state.h"
#include "profile/verification.h"
#include "widgets/skinned_window.h"

#include <QImage>
#include <QScrollArea>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class ImageButton;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class SpinEdit;
class TForm13;
class TDrawingHistory;

// The editor's drawing image, shown 1:1, with the canvas that draws on it. The pointer's moves,
// presses and releases and the wheel turned with Ctrl go to the editor; the second press of a
// double click goes nowhere, and the plain wheel scrolls the frame.
class TDrawingImage : public QWidget {
    Q_OBJECT
public:
    explicit TDrawingImage(QWidget* parent);

    // Asking for the canvas schedules a repaint, so whatever is drawn through it shows.
    Canvas& DrawingCanvas();
    const QImage& Picture() const { return picture_; }
    // Space held down while the image has the keyboard: a left drag pans.
    bool SpaceHeld() const { return spaceHeld_; }

signals:
    void MouseMoved(QMouseEvent* event);
    void MousePressed(QMouseEvent* event);
    void MouseReleased(QMouseEvent* event);
    void ZoomWheeled(QWheelEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture_;
    Canvas canvas_; // draws on picture_
    bool spaceHeld_ = false;
};

// The scrolling frame around the drawing image.
class TFrame8 : public QScrollArea {
    Q_OBJECT
public:
    explicit TFrame8(QWidget* parent);

    TDrawingImage* Image1;
};

class TForm7 : public SkinnedWindow {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    TEditorState Editor;
    TDrawingHistory* History = nullptr; // undo and redo of the drawing

    TFrame8* Frame81;
    // Step and point inputs.
    QLabel* Label14;
    QLineEdit* Edit5; // a position to dimension or verify
    QPushButton* BitBtn2; // "Add"
    QToolButton* sp5;     // "Show recomended diameters"
    QToolButton* SpeedButton5; // "Show equal strength profile"
    QLabel* Label1;
    QComboBox* c1; // the analysed positions
    QLabel* Label2;
    QLineEdit* e1; // step diameter
    QLabel* Label3;
    QLineEdit* e2; // distance to the left
    QLabel* Label4;
    QLineEdit* e3; // distance to the right
    QPushButton* b1; // "Apply"
    QPushButton* BoreButton; // "Bore...": a bore of one diameter
    // Operations.
    QGroupBox* GroupBox2;
    QToolButton* SpeedButton4; // vertical lines
    QToolButton* SpeedButton2; // draw lines
    QToolButton* SpeedButton6; // modify lines
    QToolButton* SpeedButton7; // delete lines
    QToolButton* SpeedButton3; // chamfer
    QToolButton* SpeedButton1; // fillet
    QLabel* Label5;
    SpinEdit* eo1; // chamfer D1
    SpinEdit* eo2; // chamfer D2
    SpinEdit* eo3; // fillet R
    QToolButton* sp8; // show diameters
    QToolButton* sp4; // the DHL panel
    QToolButton* sp6; // the Settings panel
    // The selected line and the line under the pointer.
    QLabel* Label13;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QToolButton* sp7; // "Modify" or "Delete"
    QFrame* Shape1;
    QLabel* l1;
    QLabel* l2;
    QLabel* l3;
    QLabel* l4;
    QLabel* l5;
    QLabel* l6;
    ImageButton* IBtn2; // the 3D view
    QPushButton* VerificationButton; // the strength check in its own window
    QPushButton* ExportDxfButton;    // "Export DXF..."
    QPushButton* ExportPdfButton;    // "Export PDF...": the calculation report
    // The view of the drawing band, at the top right of the frame.
    QToolButton* ZoomInButton;
    QToolButton* ZoomOutButton;
    QToolButton* WholeShaftButton;
    QLabel* ZoomNote; // the magnification, and that the diagram strips do not follow it
    // The checks' tool window, made when it is first wanted: its four tabs of tables and fields
    // would otherwise be made again with every set of work windows that an opened design brings.
    TForm13& VerificationWindow();
    // The inputs of the deflection, speed and fatigue checks as last applied or opened.
    TCheckInputs CheckInputs() const;
    void SetCheckInputs(const TCheckInputs& inputs);
    TVerificationCache Verification; // what the window shows, worked out when its inputs change
    TAskFileName AskDxfFileName; // the save dialog, or a test's answer
    // The DHL panel.
    QFrame* Panel1;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn4; // "Generate"
    // The Settings panel.
    QFrame* Panel2;
    QGroupBox* GroupBox1;
    QLineEdit* ed1; // arc width
    QLineEdit* ed2; // line width
    QLineEdit* ed3; // arc mark width
    QLineEdit* ed4; // line mark width
    QComboBox* cb1; // arc mark type
    QComboBox* cb2; // line mark type

    // The drawing text, one statement a line, and back; every operation goes through these.
    QStringList MemoLines() const;
    void SetMemoLines(const QStringList& lines);

    // Copies a calculated plane's load scheme and moment diagram from the page below the
    // drawing band; the vertical plane also labels both planes' strips.
    void ReceiveDiagrams(const Canvas& page, bool horizontal);
    // The strips of a plane started anew go, the vertical one or both; a new shaft also takes its
    // positions and what the drawing marks at them.
    void ForgetDiagrams(bool bothPlanes);
    // Lists the positions, in their order, in place of what the list held; the first is selected.
    void ListPositions(const TPuncte& points);

    void FormCreate();
    void sp4Click();
    void sp6Click();
    void BitBtn4Click();
    void ed1Change();
    void ed2Change();
    void ed3Change();
    void ed4Change();
    void cb1Change();
    void cb2Change();
    void eo1Change();
    void eo2Change();
    void eo3Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void sp7Click();
    void Frame81Image1MouseMove(QMouseEvent* event);
    void Frame81Image1MouseDown(QMouseEvent* event);
    void Frame81Image1MouseUp(QMouseEvent* event);
    // Ctrl + wheel: magnified about the pointer.
    void Frame81Image1ZoomWheel(QWheelEvent* event);
    // About the middle of the band in sight (Ctrl++ and Ctrl+-), or back to the whole shaft (Ctrl+0).
    void ZoomInButtonClick();
    void ZoomOutButtonClick();
    void WholeShaftButtonClick();
    // The band seen through `zoom`, redrawn from the same text: the picks stay.
    void ShowZoom(const TViewZoom& zoom);
    // Back to the whole shaft for the pass that follows, without one of its own.
    void ForgetZoom();
    void b1Click();
    void BitBtn2Click();
    void sp8Click();
    void sp5Click();
    void SpeedButton5Click();
    void SpeedButton4Click();
    // Appends the bore typed into its dialog and redraws, as one undo step; Cancel changes nothing.
    void BoreButtonClick();
    // The solid of revolution of the drawing, in the 3D window; the text is left sorted.
    void IBtn2Click();
    void VerificationButtonClick();
    void ExportDxfButtonClick();
    // Checks the drawing again while the check is shown: every redraw does, and so does whatever
    // changes the analysis the check reads.
    void RefreshVerification();
    // What "Calculate" solves a shaft on three or more bearings with, from the drawing, the
    // pre-sized diameter and the check inputs as they stand.
    TPlaneSupports PlaneSupportsNow() const;
    void RecalculatePlanes();
    // A suggested fillet or diameter from the check, as one undo step; refused when the text is
    // no longer the one the suggestion was made for.
    void ApplySuggestedDrawing(const QStringList& madeFor, const QStringList& drawing);
    // The moments, the allowable stress or the torque changed: the required diameters and the
    // equal-strength outline on the drawing follow at once, and so does the open check.
    void StrengthInputsChanged();

private:
    void ReportStrengthProblem();
    void CreateInputs();
    void CreateOperations();
    void CreateLineFields();
    void CreateDhlPanel();
    void CreateSettingsPanel();
    void CreateVerificationControls();
    void CreateZoomControls();
    void CreateBoreButton();
    QPoint BandCentreInSight() const;
    bool StartsPan(const QMouseEvent* event) const;
    void ConnectHandlers();
    QToolButton* AddToolButton(QWidget* parent, const QIcon& glyph, const QString& hint, int left, int top);
    QToolButton* AddToggle(const QString& caption, const QString& hint, int left, int top, int width);
    // Reads the memo, edits it and writes it back, also when the edit fails half-way; a true
    // result of the edit redraws. Returns that result.
    bool EditMemo(const std::function<bool(QStringList&)>& edit);
    void Redraw();
    void RaiseOtherTools(QToolButton* pressed);
    void EnableLineFields(bool enabled);
    void EnableCornerSizes(bool d1d2, bool r);
    void ShowReadOuts(const std::array<QString, 6>& texts);
    void PressLeft();
    void PressForCorner();
    void ResetTools();

    std::optional<QPoint> panFrom_; // the pointer's last pixel while a drag pans
    TForm13* verificationWindow_ = nullptr;
    TCheckInputs checkInputs_; // while there is no window to hold them
};

extern TForm7* Form7;

// What the strength overlays draw from: the analysis and the navigation panel's data.
struct TStrengthInputs;
TStrengthInputs CurrentStrengthInputs();
