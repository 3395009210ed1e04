// The "Fatigue" page of the shaft check: the material's strengths, surface, reliability and the
// required safeties; a row for every shoulder and analysed position, red below the required
// safety, with the weakest notch named under it; the twist angle over the torque's span; and
// the rating life of every bearing of the shaft, and the bearing that takes the axial load.
#pragma once

#include "check/check_inputs.h"
#include "check/fatigue_report.h"
#include "check/steel_grades.h"
#include "windows/editor/torque_plot.h"

#include <QAbstractTableModel>
#include <QWidget>
#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTableView;

// The rows as a table model: a row's cells are formatted only when the view shows it.
class TFatigueTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void ShowRows(const TFatigueCheck& check, const TFatigueLimits& limits);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QStringList& Cells(int row) const;

    std::vector<TFatigueRow> rows_;
    TFatigueLimits limits_;
    mutable std::vector<QStringList> cells_; // empty until the row is shown
};

class TFatigueTab : public QWidget {
    Q_OBJECT
public:
    explicit TFatigueTab(QWidget* parent = nullptr);

    // A standard grade fills Sut and Sy with its least strengths at the ruling diameter; the
    // first item leaves them as typed (empty: the dimensioning's material).
    QComboBox* GradeBox;
    QPushButton* NewMaterialButton;
    QLineEdit* RulingDiameterEdit; // mm; empty: the largest drawn diameter
    QLineEdit* UltimateEdit; // Sut, MPa; empty: the material's
    QLineEdit* YieldEdit;    // Sy, MPa; empty: the material's
    QComboBox* SurfaceBox;
    QComboBox* ReliabilityBox;
    QLineEdit* FatigueSafetyEdit;
    QLineEdit* YieldSafetyEdit;
    QTableView* Table;
    TFatigueTableModel* Rows;
    QLabel* WeakestLabel;
    QLineEdit* ShearModulusEdit; // G, MPa
    QLineEdit* TwistLimitEdit;   // deg/m
    QLabel* TwistLabel;
    TTorquePlot* TorquePlot; // T(x), shown while the shaft has elements
    // A row per bearing, A to H; only the rows of the shaft's bearings are shown.
    std::array<QLabel*, kBearingLetters> BearingNameLabels;
    std::array<QComboBox*, kBearingLetters> BearingKindBoxes;
    std::array<QLineEdit*, kBearingLetters> RatingEdits; // C, kN
    // P = X Fr + Y Fa: X and Y while Fa/Fr <= e, X and Y beyond, and e
    std::array<QLineEdit*, kBearingLetters> XUpToEEdits, YUpToEEdits, XBeyondEEdits, YBeyondEEdits, EEdits;
    std::array<QLabel*, kBearingLetters> LifeLabels;
    QComboBox* LocatingBox; // the bearing that takes the axial load, A to H
    QLineEdit* RequiredLifeEdit; // h
    QPushButton* ApplyButton;

    void ShowInputs(const TCheckInputs& inputs);
    // The fields over `inputs`, those of the shown bearings only; a field that is not a number
    // fails with its message. A listed grade also gives E and the density.
    void ReadInputs(TCheckInputs& inputs) const;
    // Shows the rows and the choices of the shaft's first `count` bearings.
    void ShowBearingCount(int count);
    void ShowReport(const TFatigueReport& report, const TCheckInputs& inputs);
    void ShowTorque(const TTorquePlotContent& torque);
    // The largest diameter of the drawing the page was last shown for, mm.
    void SetDrawnDiameter(long double diameter) { drawnDiameter_ = diameter; }
    void GradeChosen();
    void AddOwnMaterial();
    // The ruling diameter as typed, else the largest drawn one; 0 when neither reads.
    long double RulingDiameter() const;

private:
    QWidget* GradeRow();
    void ListGrades();
    const TSteelGrade* ChosenGrade() const;
    void ShowGrade(const TFatigueInputs& fatigue);
    QWidget* MaterialRow();
    QWidget* TwistRow();
    QWidget* BearingRows();
    void AddFactorEdits(QGridLayout* grid, int row);
    QLayout* RequiredLifeRow(QWidget* parent);

    int bearings_ = 2;
    long double drawnDiameter_ = 0;
    std::vector<TSteelGrade> grades_; // the standard grades, then the engineer's own
};
