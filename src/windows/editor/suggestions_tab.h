// The "What to change" page of the shaft check: for each failing row (or the weakest one) the
// fillet, the diameter and the grade that would make it pass, each with the figure it gives, and
// the three inputs the governing row depends on most. "Apply" hands the drawing with a fillet or
// diameter to the editor; "Use" puts a grade on the fatigue page. Nothing changes until pressed.
#pragma once

#include "check/suggestion_texts.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

class TSuggestionsTab : public QWidget {
    Q_OBJECT
public:
    explicit TSuggestionsTab(QWidget* parent = nullptr);

    QLabel* SummaryLabel;
    // Each row's heading, then a line per suggestion with its button where one can be applied.
    QTableWidget* Table;

    // The suggestions made for the drawing `memo`.
    void ShowSuggestions(const TSuggestions& suggestions, const QStringList& memo);
    // The button of a table row, none where nothing can be applied.
    QPushButton* ApplyButtonAt(int row) const;

signals:
    // `drawing` in place of `madeFor`, the text the suggestion was worked out from.
    void DrawingChosen(const QStringList& madeFor, const QStringList& drawing);
    void GradeChosen(int grade); // index in the grade table

private:
    void AddLine(const QString& text, QPushButton* button);
    QPushButton* DrawingButton(const TSizeSuggestion& size);
    QPushButton* GradeButton(const TGradeSuggestion& grade);
    void ShowRow(const TRowSuggestions& row);

    QStringList madeFor_;
};
