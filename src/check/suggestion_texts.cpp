#include "check/suggestion_texts.h"

#include "check/steel_grades.h"
#include "common/number_text.h"

namespace {

QString Figure(long double value) { return FormatFloat("0.00", value); }

} // namespace

QString FigureName(TGoverning governing)
{
    if (governing == TGoverning::Fatigue) return "n_f";
    if (governing == TGoverning::Yield) return "n_y";
    return "d / d req";
}

QString FilletText(const TSizeSuggestion& fillet, TGoverning governing)
{
    QString text = fillet.Size ? "Fillet r = " + FloatToStr(*fillet.Size) + " mm: " + FigureName(governing) + " = " + Figure(fillet.Figure)
                               : QString("Fillet: none fits");
    return fillet.Note.isEmpty() ? text : text + " (" + fillet.Note + ")";
}

QString DiameterText(const TSizeSuggestion& diameter, TGoverning governing)
{
    QString text = diameter.Size ? "Diameter d = " + FloatToStr(*diameter.Size) + " mm: " + FigureName(governing) + " = " + Figure(diameter.Figure)
                                 : QString("Diameter: none fits");
    return diameter.Note.isEmpty() ? text : text + " (" + diameter.Note + ")";
}

QString GradeText(const TGradeSuggestion& grade, TGoverning governing)
{
    if (!grade.Grade) return "Grade: none fits (" + grade.Note + ")";
    return "Grade " + SteelGrades()[*grade.Grade].Name + " (Sut " + FloatToStr(grade.UltimateStrength) + ", Sy " +
           FloatToStr(grade.YieldStrength) + " MPa): " + FigureName(governing) + " = " + Figure(grade.Figure);
}

QString InfluencesLine(const TRowSuggestions& row)
{
    QStringList parts;
    for (const TInfluence& influence : row.Influences)
        parts << influence.Input + " " + (influence.Change >= 0 ? "+" : "") + FormatFloat("0", 100 * influence.Change) + " %";
    return FigureName(row.Governing) + " per 10 % more of: " + parts.join(", ");
}

QString RowHeading(const TRowSuggestions& row)
{
    const QString sizes = row.Shoulder ? "d " + FloatToStr(row.Small) + ", D " + FloatToStr(row.Large) +
                                             (row.Sharp ? QString(", sharp corner") : ", r " + FloatToStr(row.Radius))
                                       : "d " + FloatToStr(row.Small);
    return QString(row.Shoulder ? "Shoulder" : "Section") + " at x = " + FloatToStr(row.Position) + " mm (" + sizes +
           (row.Seat ? ", bearing seat" : "") + "): " + FigureName(row.Governing) + " = " + Figure(row.Figure) + ", required " +
           FloatToStr(row.Required);
}

QStringList SuggestionLines(const TRowSuggestions& row)
{
    QStringList lines{RowHeading(row)};
    if (row.Fillet) lines << "  " + FilletText(*row.Fillet, row.Governing);
    lines << "  " + DiameterText(row.Diameter, row.Governing);
    if (row.Grade) lines << "  " + GradeText(*row.Grade, row.Governing);
    if (!row.Influences.empty()) lines << "  " + InfluencesLine(row);
    return lines;
}
