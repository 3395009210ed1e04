// TForm11: the bearing-reactions panel. A row for every bearing of the shaft, A to H: its
// horizontal and vertical reactions and their resultant load; the report of the vertical plane
// fills it.
#pragma once

#include "check/bearing_life.h"

#include <QString>
#include <QWidget>
#include <array>

class QLabel;

// The three value texts of a bearing, each "0.00" + " N".
struct TReactionTexts {
    QString Horizontal, Vertical;
    QString Resultant; // the square root of RH squared plus RV squared
};

TReactionTexts ReactionTexts(double horizontal, double vertical, const QString& format);

class TForm11 : public QWidget {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    QLabel* Image1; // the formula picture: the resultant's rule and the left-hand sides of every row
    // One label per bearing and column, A first; the rows beyond the shaft's bearings are hidden.
    std::array<QLabel*, kBearingLetters> HorzLabels;
    std::array<QLabel*, kBearingLetters> VertLabels;
    std::array<QLabel*, kBearingLetters> ResultantLabels;
    // Bearings A and B under their classic names.
    QLabel* Label1; // resultant of bearing A
    QLabel* Label2; // resultant of bearing B
    QLabel* Label3; // RHA
    QLabel* Label4; // RVA
    QLabel* Label5; // RHB
    QLabel* Label6; // RVB

    // Writes the rows of the first `count` bearings (2 to 8) from their reactions, in the
    // analysis number format, and shows just those rows.
    void FillReactions(const TBearingReactions& horizontal, const TBearingReactions& vertical, int count);
    int ShownBearings() const { return shown_; }

    // Every show places the panel beside the page window.
    void setVisible(bool visible) override;

private:
    QLabel* AddValueLabel();
    void ArrangeRows();

    int shown_ = 2;
};

extern TForm11* Form11;
