// TForm13: the checks of the drawn shaft, a tool window of the profile editor, one tab each.
// "Strength": one row per analysed position, red where the drawn diameter is smaller than the
// required one, the weakest section of the whole shaft under the table, and the table for the
// clipboard. "Deflection" and "Critical speed": the stiffness of the drawn shaft. "Fatigue": the
// notches of the drawing, the twist and the bearing lives.
#pragma once

#include "check/check_request.h"
#include "check/fatigue_report.h"
#include "check/stiffness_and_speed.h"
#include "profile/verification.h"
#include "windows/window_style.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TDeflectionTab;
class TFatigueTab;
class TSpeedTab;
class TSuggestionsTab;
class TWaitingNote;

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    QTabWidget* Tabs;
    // Above the pages while the reactions were made for another section than the best one now.
    QLabel* ReactionsNote;
    QPushButton* RecalculateButton;
    QTableWidget* Table1;
    QLabel* Label1; // the weakest section
    QPushButton* CopyButton;
    TDeflectionTab* DeflectionTab;
    TSpeedTab* SpeedTab;
    TFatigueTab* FatigueTab;
    TSuggestionsTab* SuggestionsTab; // "What to change"
    // Up from an edit of a page's inputs until they are applied.
    TWaitingNote* DeflectionWaiting;
    TWaitingNote* SpeedWaiting;
    TWaitingNote* FatigueWaiting;

    // A check of its own on a page of its own.
    int AddCheckTab(QWidget* page, const QString& title);
    // Brings the tab of a page added above to the front.
    void ShowPage(QWidget* page);

    // An empty note hides the note and its button.
    void ShowReactionsNote(const QString& note);
    // Fills the table and the weakest section from a check of the shaft.
    void ShowVerification(const TVerification& verification);
    // The table as tab-separated text on the clipboard.
    void CopyButtonClick();

    // The inputs of the deflection and critical-speed checks as last applied; setting them shows
    // them in the fields.
    const TCheckInputs& CheckInputs() const { return inputs_; }
    void SetCheckInputs(const TCheckInputs& inputs);
    // Works the deflection and critical-speed checks out again, unless nothing they are made
    // from has changed since the last time.
    void ShowShaftCheck(const TAnalysisState& analysis, const std::vector<long double>& loads,
                        const QStringList& memo, uint8_t arcSteps);
    void DeflectionApplyClick();
    void SpeedApplyClick();
    // The fatigue page likewise, with what it needs beyond the drawing: MT and its span, the
    // reactions, and the material and torque cycle the dimensioning applied.
    // The suggestions are worked out with it, from the loads' positions for the deflection.
    void ShowFatigue(const TAnalysisState& analysis, const TData& data, const TAppliedDimensioning& applied,
                     const QStringList& memo, uint8_t arcSteps, const std::vector<long double>& loads);
    // A suggested grade on the fatigue page, applied.
    void UseGrade(int grade);
    void FatigueApplyClick();

signals:
    // The user applied new inputs: the checks want the drawing again.
    void CheckInputsApplied();
    // "Apply" of a suggested fillet or diameter: the editor takes this drawing as one step, if
    // its text is still the one the suggestion was made for.
    void DrawingSuggested(const QStringList& madeFor, const QStringList& drawing);
    // "Recalculate": both planes want solving again with the section as it now is.
    void RecalculateRequested();

private:
    QWidget* CreateStrengthTab();
    QLayout* CreateReactionsNote();
    void CreateWaitingNotes();
    void ShowRow(int index, const TVerificationRow& row);
    void ApplyInputs(const TCheckInputs& inputs);

    TVerification shown_;
    TCheckInputs inputs_;
    std::optional<TCheckRequest> checked_;
    std::optional<TFatigueRequest> fatigueChecked_;
};
