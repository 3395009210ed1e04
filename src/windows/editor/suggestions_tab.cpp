#include "windows/editor/suggestions_tab.h"

#include "common/number_text.h"
#include "windows/window_style.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TSuggestionsTab::TSuggestionsTab(QWidget* parent) : QWidget(parent)
{
    SummaryLabel = new QLabel(this);
    SummaryLabel->setWordWrap(true);
    Table = new QTableWidget(0, 2, this);
    Table->setHorizontalHeaderLabels({"row and what to change there", ""});
    Table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Table->verticalHeader()->hide();
    Table->setWordWrap(false);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SummaryLabel);
    layout->addWidget(Table);
}

void TSuggestionsTab::ShowSuggestions(const TSuggestions& suggestions, const QStringList& memo)
{
    madeFor_ = memo;
    Table->setRowCount(0);
    if (suggestions.Rows.empty()) {
        SummaryLabel->setText("No suggestions: the fatigue table has no computed row");
        return;
    }
    const bool failing = suggestions.Rows.front().Fails;
    QString summary = failing ? "Failing rows, the worst first: each change alone makes its row pass"
                              : "All rows pass; the weakest row, and what it would take there";
    if (suggestions.MoreFailing > 0) summary += QString("; %1 more failing rows not listed").arg(suggestions.MoreFailing);
    SummaryLabel->setText(summary);
    SummaryLabel->setStyleSheet(FailingStyle(failing));
    for (const TRowSuggestions& row : suggestions.Rows) ShowRow(row);
}

void TSuggestionsTab::ShowRow(const TRowSuggestions& row)
{
    AddLine(RowHeading(row), nullptr);
    if (row.Fails) Table->item(Table->rowCount() - 1, 0)->setBackground(kFailingColor);
    const QString indent = "      ";
    if (row.Fillet) AddLine(indent + FilletText(*row.Fillet, row.Governing), DrawingButton(*row.Fillet));
    AddLine(indent + DiameterText(row.Diameter, row.Governing), DrawingButton(row.Diameter));
    if (row.Grade) AddLine(indent + GradeText(*row.Grade, row.Governing), GradeButton(*row.Grade));
    if (!row.Influences.empty()) AddLine(indent + InfluencesLine(row), nullptr);
}

void TSuggestionsTab::AddLine(const QString& text, QPushButton* button)
{
    const int line = Table->rowCount();
    Table->insertRow(line);
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text.trimmed());
    Table->setItem(line, 0, item);
    if (button) Table->setCellWidget(line, 1, button);
}

QPushButton* TSuggestionsTab::DrawingButton(const TSizeSuggestion& size)
{
    if (size.Drawing.isEmpty()) return nullptr;
    auto* button = new QPushButton("Apply", Table);
    button->setToolTip("Change the drawing: one step of the editor's undo");
    const QStringList drawing = size.Drawing;
    connect(button, &QPushButton::clicked, this, [this, drawing] { emit DrawingChosen(madeFor_, drawing); });
    return button;
}

QPushButton* TSuggestionsTab::GradeButton(const TGradeSuggestion& grade)
{
    if (!grade.Grade) return nullptr;
    auto* button = new QPushButton("Use", Table);
    button->setToolTip("Put the grade and its Sut and Sy on the fatigue page and apply them");
    const int index = int(*grade.Grade);
    connect(button, &QPushButton::clicked, this, [this, index] { emit GradeChosen(index); });
    return button;
}

QPushButton* TSuggestionsTab::ApplyButtonAt(int row) const { return qobject_cast<QPushButton*>(Table->cellWidget(row, 1)); }
