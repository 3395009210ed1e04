// TForm13: writes a strength check of the shaft into the table; the check itself is logic.
#include "windows/editor/tform13.h"

#include "common/errors.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TForm13::TForm13(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle("Strength verification");
    setGeometry(111, 600, 640, 290); // under the editor, whose drawing it is about
    Table1 = new QTableWidget(0, int(VerificationHeadings().size()), this);
    Table1->setHorizontalHeaderLabels(VerificationHeadings());
    Table1->verticalHeader()->hide();
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionMode(QAbstractItemView::NoSelection);
    Table1->setFocusPolicy(Qt::NoFocus);
    Table1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table1->horizontalHeader()->setStretchLastSection(true);
    Label1 = new QLabel(this);
    Label1->setWordWrap(true); // the outline's fault follows the weakest section
    CopyButton = new QPushButton("Copy table", this);
    CopyButton->setToolTip("Copy the table to the clipboard, its cells separated by tabs");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1, 1);
    bottom->addWidget(CopyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table1);
    layout->addLayout(bottom);
    connect(CopyButton, &QPushButton::clicked, this, Guarded(this, &TForm13::CopyButtonClick));
}

// The editor checks again at every redraw, pointer moves included: an unchanged table is left
// as it stands.
void TForm13::ShowVerification(const TVerification& verification)
{
    const bool unchanged = Table1->rowCount() == int(verification.Rows.size()) &&
                           VerificationTableText(verification) == VerificationTableText(shown_) &&
                           WeakestSectionText(verification) == Label1->text();
    if (unchanged) return;
    shown_ = verification;
    Table1->setRowCount(int(verification.Rows.size()));
    for (int i = 0; i < int(verification.Rows.size()); ++i) ShowRow(i, verification.Rows[size_t(i)]);
    Label1->setText(WeakestSectionText(verification));
    Label1->setStyleSheet(WeakestSectionFails(verification) ? "background-color: " + kTooSmallColor.name() : QString());
}

void TForm13::ShowRow(int index, const TVerificationRow& row)
{
    const QStringList cells = VerificationCells(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column < cells.size() - 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (row.Verdict == TVerdict::TooSmall) item->setBackground(kTooSmallColor);
        if (!row.Reason.isEmpty()) item->setToolTip(row.Reason);
        Table1->setItem(index, column, item);
    }
}

void TForm13::CopyButtonClick() { QApplication::clipboard()->setText(VerificationTableText(shown_)); }
