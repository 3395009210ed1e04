// TForm11: the bearing-reactions panel. It shows the four plane reactions of bearings A and B
// and their resultant loads; the report of the vertical plane fills it.
#include "windows/results/tform11.h"

#include "analysis/analysis_state.h"
#include "canvas/canvas_painting.h"
#include "check/bearing_life.h"
#include "common/number_text.h"
#include "widgets/window_setup.h"
#include "windows/results/tform3.h"
#include "windows/window_places.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

TForm11* Form11 = nullptr;

namespace {
const QSize kClientSize(199, 112);
const QSize kFormulaSize(145, 97);
const QPoint kFormulaPlace(8, 8);
constexpr int kRightColumn = 100; // picture x of the RV symbols when the values fit
constexpr int kGap = 4;

QString ForceText(long double value, const QString& format) { return FormatFloat(format, value) + " N"; }

QFont FormulaFont(int pixels)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    return font;
}

// Writes `symbol` with an optional superscript and a subscript stacked after it; returns the x
// after the group.
int DrawSymbol(QPainter& painter, int x, int baseline, const QString& symbol, const QString& subscript,
               const QString& superscript = QString())
{
    painter.setFont(FormulaFont(11));
    painter.drawText(x, baseline, symbol);
    x += painter.fontMetrics().horizontalAdvance(symbol);
    painter.setFont(FormulaFont(8));
    const int indexWidth = std::max(painter.fontMetrics().horizontalAdvance(subscript),
                                    painter.fontMetrics().horizontalAdvance(superscript));
    painter.drawText(x, baseline + 3, subscript);
    if (!superscript.isEmpty()) painter.drawText(x, baseline - 5, superscript);
    return x + indexWidth;
}

int DrawPlain(QPainter& painter, int x, int baseline, const QString& text)
{
    painter.setFont(FormulaFont(11));
    painter.drawText(x, baseline, text);
    return x + painter.fontMetrics().horizontalAdvance(text);
}

// R_B = sqrt(RH_B^2 + RV_B^2) = with a drawn root sign over the sum.
void DrawResultantRow(QPainter& painter, int baseline, const QString& bearing)
{
    int x = DrawSymbol(painter, 2, baseline, "R", bearing);
    x = DrawPlain(painter, x, baseline, " = ");
    const int top = baseline - 12;
    const int rootStart = x;
    x += 9;
    const int sumStart = x;
    x = DrawSymbol(painter, x + 1, baseline, "RH", bearing, "2");
    x = DrawPlain(painter, x, baseline, "+");
    x = DrawSymbol(painter, x, baseline, "RV", bearing, "2");
    painter.drawPolyline(QPolygon({QPoint(rootStart, baseline - 4), QPoint(rootStart + 2, baseline - 5),
                                   QPoint(rootStart + 5, baseline + 3), QPoint(sumStart, top),
                                   QPoint(x + 1, top)}));
    DrawPlain(painter, x + 2, baseline, " =");
}

void DrawReactionPair(QPainter& painter, int baseline, const QString& bearing, int rightColumn)
{
    DrawPlain(painter, DrawSymbol(painter, 2, baseline, "RH", bearing), baseline, " =");
    DrawPlain(painter, DrawSymbol(painter, rightColumn, baseline, "RV", bearing), baseline, " =");
}

// The left-hand sides of the six equations, in rows level with the value labels; the RV column
// starts at `rightColumn` and the picture grows with it.
QPixmap FormulaPicture(int rightColumn)
{
    QPixmap picture(kFormulaSize + QSize(rightColumn - kRightColumn, 0));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    DrawReactionPair(painter, 15, "A", rightColumn);
    DrawReactionPair(painter, 34, "B", rightColumn);
    DrawResultantRow(painter, 65, "A");
    DrawResultantRow(painter, 88, "B");
    return picture;
}
} // namespace

TReactionTexts ReactionTexts(double rha, double rva, double rhb, double rvb, const QString& format)
{
    return {ForceText(rha, format), ForceText(rva, format), ForceText(rhb, format), ForceText(rvb, format),
            ForceText(ResultantReaction(rha, rva), format), ForceText(ResultantReaction(rhb, rvb), format)};
}

TForm11::TForm11(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    PlaceFixedWindow(*this, "Bearing reactions", QRect(QPoint(10, 436), kClientSize));
    setFont(ScreenFont(TFont())); // "MS Sans Serif" 8 pt, as the page draws it
    SetPlainBackground(*this, Qt::white);

    Image1 = new QLabel(this);
    Image1->move(kFormulaPlace);
    Label3 = AddValueLabel(56, 13);
    Label4 = AddValueLabel(146, 13);
    Label5 = AddValueLabel(56, 32);
    Label6 = AddValueLabel(146, 32);
    Label1 = AddValueLabel(136, 63);
    Label2 = AddValueLabel(136, 86);
    ArrangeColumns();
}

// To the right of the page window, whose heading and view buttons it must not cover.
void TForm11::setVisible(bool visible)
{
    if (visible && Form3) OpenBeside(*this, *Form3);
    QWidget::setVisible(visible);
}

QLabel* TForm11::AddValueLabel(int x, int y)
{
    auto* label = new QLabel("10000 N", this);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void TForm11::FillReactions(double rha, double rva, double rhb, double rvb)
{
    const TReactionTexts texts = ReactionTexts(rha, rva, rhb, rvb, Analysis.NumFormat);
    const std::pair<QLabel*, QString> values[] = {{Label3, texts.RHA}, {Label4, texts.RVA},
                                                  {Label5, texts.RHB}, {Label6, texts.RVB},
                                                  {Label1, texts.RA},  {Label2, texts.RB}};
    for (const auto& [label, text] : values) {
        label->setText(text);
        label->adjustSize();
    }
    ArrangeColumns();
}

// Long values of the left column would run into the RV symbols, and those of the right column
// would be cut at the edge: the right column moves over and the panel widens instead.
void TForm11::ArrangeColumns()
{
    const int leftEnd = std::max(Label3->geometry().right(), Label5->geometry().right()) + kGap;
    const int shift = std::max(0, leftEnd - (kFormulaPlace.x() + kRightColumn));
    const QPixmap formula = FormulaPicture(kRightColumn + shift);
    Image1->setPixmap(formula);
    Image1->resize(formula.size());
    Label4->move(146 + shift, Label4->y());
    Label6->move(146 + shift, Label6->y());

    int right = kClientSize.width();
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6})
        right = std::max(right, label->geometry().right() + kGap);
    setFixedSize(right, kClientSize.height());
}
