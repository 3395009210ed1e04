// TForm11: the bearing-reactions panel: a row of reactions for every bearing of the shaft.
#include "windows/results/tform11.h"

#include "analysis/analysis_state.h"
#include "canvas/canvas_painting.h"
#include "common/number_text.h"
#include "widgets/window_setup.h"
#include "windows/results/tform3.h"
#include "windows/window_places.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

TForm11* Form11 = nullptr;

namespace {
const QPoint kFormulaPlace(8, 8);
constexpr int kHeadingBaseline = 15; // the resultant's rule, over the rows
constexpr int kFirstBaseline = 41;   // of bearing A's row, in the picture
constexpr int kRowPitch = 19;
constexpr int kLabelRise = 10;       // from a label's top to the baseline of the picture's row
constexpr int kGap = 4;              // between a left-hand side and its value
constexpr int kColumnGap = 14;       // between a value and the next left-hand side
constexpr int kMargin = 6;

const QString kColumnSymbols[] = {"RH", "RV", "R"};

QString ForceText(long double value, const QString& format) { return FormatFloat(format, value) + " N"; }

QString Letter(int bearing) { return QString(QChar('A' + bearing)); }

QFont FormulaFont(int pixels)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    return font;
}

int Advance(int pixels, const QString& text) { return QFontMetrics(FormulaFont(pixels)).horizontalAdvance(text); }

// The width of "RH_A =" as DrawSymbol and DrawPlain write it.
int LeftSideWidth(const QString& symbol, const QString& subscript)
{
    return Advance(11, symbol) + Advance(8, subscript) + Advance(11, " =");
}

// Writes `symbol` with an optional superscript and a subscript stacked after it; returns the x
// after the group.
int DrawSymbol(QPainter& painter, int x, int baseline, const QString& symbol, const QString& subscript,
               const QString& superscript = QString())
{
    painter.setFont(FormulaFont(11));
    painter.drawText(x, baseline, symbol);
    x += Advance(11, symbol);
    painter.setFont(FormulaFont(8));
    painter.drawText(x, baseline + 3, subscript);
    if (!superscript.isEmpty()) painter.drawText(x, baseline - 5, superscript);
    return x + std::max(Advance(8, subscript), Advance(8, superscript));
}

int DrawPlain(QPainter& painter, int x, int baseline, const QString& text)
{
    painter.setFont(FormulaFont(11));
    painter.drawText(x, baseline, text);
    return x + Advance(11, text);
}

// R = sqrt(RH^2 + RV^2) with a drawn root sign over the sum; returns the x after it.
int DrawResultantRule(QPainter& painter, int baseline)
{
    int x = DrawPlain(painter, 2, baseline, "R = ");
    const int top = baseline - 12;
    const int rootStart = x;
    x += 9;
    const int sumStart = x;
    x = DrawSymbol(painter, x + 1, baseline, "RH", QString(), "2");
    x = DrawPlain(painter, x, baseline, " + ");
    x = DrawSymbol(painter, x, baseline, "RV", QString(), "2");
    painter.drawPolyline(QPolygon({QPoint(rootStart, baseline - 4), QPoint(rootStart + 2, baseline - 5),
                                   QPoint(rootStart + 5, baseline + 3), QPoint(sumStart, top),
                                   QPoint(x + 1, top)}));
    return x + 2;
}

int RowBaseline(int bearing) { return kFirstBaseline + bearing * kRowPitch; }

// The rule over the rows, then "RH_X =", "RV_X =" and "R_X =" of every shown bearing, each at
// the x of its column.
QPixmap FormulaPicture(QSize size, const std::array<int, 3>& columns, int bearings)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    DrawResultantRule(painter, kHeadingBaseline);
    for (int bearing = 0; bearing < bearings; ++bearing) {
        const int baseline = RowBaseline(bearing);
        for (size_t column = 0; column < columns.size(); ++column)
            DrawPlain(painter, DrawSymbol(painter, columns[column], baseline, kColumnSymbols[column], Letter(bearing)),
                      baseline, " =");
    }
    return picture;
}

int RuleWidth()
{
    QPixmap scratch(1, 1);
    QPainter painter(&scratch);
    return DrawResultantRule(painter, kHeadingBaseline);
}
} // namespace

TReactionTexts ReactionTexts(double horizontal, double vertical, const QString& format)
{
    return {ForceText(horizontal, format), ForceText(vertical, format),
            ForceText(ResultantReaction(horizontal, vertical), format)};
}

TForm11::TForm11(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    PlaceFixedWindow(*this, "Bearing reactions", QRect(QPoint(10, 436), QSize(199, 112)));
    setFont(ScreenFont(TFont())); // "MS Sans Serif" 8 pt, as the page draws it
    SetPlainBackground(*this, Qt::white);

    Image1 = new QLabel(this);
    Image1->move(kFormulaPlace);
    for (auto* labels : {&HorzLabels, &VertLabels, &ResultantLabels})
        for (QLabel*& label : *labels) label = AddValueLabel();
    Label1 = ResultantLabels[0];
    Label2 = ResultantLabels[1];
    Label3 = HorzLabels[0];
    Label4 = VertLabels[0];
    Label5 = HorzLabels[1];
    Label6 = VertLabels[1];
    ArrangeRows();
}

// To the right of the page window, whose heading and view buttons it must not cover.
void TForm11::setVisible(bool visible)
{
    if (visible && Form3) OpenBeside(*this, *Form3);
    QWidget::setVisible(visible);
}

QLabel* TForm11::AddValueLabel()
{
    auto* label = new QLabel("10000 N", this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->adjustSize();
    return label;
}

void TForm11::FillReactions(const TBearingReactions& horizontal, const TBearingReactions& vertical, int count)
{
    shown_ = std::clamp(count, 2, kBearingLetters);
    for (size_t i = 0; i < size_t(shown_); ++i) {
        const TReactionTexts texts = ReactionTexts(horizontal[i], vertical[i], Analysis.NumFormat);
        const std::pair<QLabel*, QString> values[] = {
            {HorzLabels[i], texts.Horizontal}, {VertLabels[i], texts.Vertical}, {ResultantLabels[i], texts.Resultant}};
        for (const auto& [label, text] : values) label->setText(text);
    }
    ArrangeRows();
}

// Each column is as wide as its longest value, so that no value runs into the next column's
// symbols; the panel takes the width of its columns and the height of its rows.
void TForm11::ArrangeRows()
{
    const std::array<std::array<QLabel*, kBearingLetters>*, 3> columns{&HorzLabels, &VertLabels, &ResultantLabels};
    std::array<int, 3> columnX{};
    int x = 2; // in the picture
    for (size_t column = 0; column < columns.size(); ++column) {
        columnX[column] = x;
        int leftSide = 0, valueWidth = 0;
        for (int bearing = 0; bearing < shown_; ++bearing) {
            leftSide = std::max(leftSide, LeftSideWidth(kColumnSymbols[column], Letter(bearing)));
            valueWidth = std::max(valueWidth, (*columns[column])[size_t(bearing)]->sizeHint().width());
        }
        for (int bearing = 0; bearing < kBearingLetters; ++bearing) {
            QLabel* label = (*columns[column])[size_t(bearing)];
            label->move(kFormulaPlace.x() + x + leftSide + kGap, kFormulaPlace.y() + RowBaseline(bearing) - kLabelRise);
            label->resize(valueWidth, label->height()); // right-aligned: the decimal points line up
            label->setVisible(bearing < shown_);
        }
        x += leftSide + kGap + valueWidth + kColumnGap;
    }
    const QSize pictureSize(std::max(x - kColumnGap, RuleWidth()), RowBaseline(shown_ - 1) + kMargin);
    Image1->setPixmap(FormulaPicture(pictureSize, columnX, shown_));
    Image1->resize(pictureSize);
    setFixedSize(kFormulaPlace.x() + pictureSize.width() + kMargin, kFormulaPlace.y() + pictureSize.height() + kMargin);
}
