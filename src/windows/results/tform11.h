// TForm11: the bearing-reactions panel. It shows the four plane reactions of bearings A and B
// and their resultant loads; the report of the vertical plane fills it.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The six value texts of the panel, each "0.00" + " N".
struct TReactionTexts {
    QString RHA, RVA, RHB, RVB;
    QString RA, RB; // resultants, the square root of RH squared plus RV squared
};

TReactionTexts ReactionTexts(double rha, double rva, double rhb, double rvb, const QString& format);

class TForm11 : public QWidget {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    QLabel* Image1; // the formula picture
    QLabel* Label1; // resultant of bearing A
    QLabel* Label2; // resultant of bearing B
    QLabel* Label3; // RHA
    QLabel* Label4; // RVA
    QLabel* Label5; // RHB
    QLabel* Label6; // RVB

    // Writes the six texts from the four reactions, in the analysis number format.
    void FillReactions(double rha, double rva, double rhb, double rvb);

    // Every show places the panel beside the page window.
    void setVisible(bool visible) override;

private:
    QLabel* AddValueLabel(int x, int y);
    void ArrangeColumns();
};

extern TForm11* Form11;
