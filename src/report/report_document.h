// What the calculation report of a design holds, gathered without windows: the design itself,
// each plane's page again, the checks of the drawing, and what is still missing from it.
#pragma once

#include "report/checks_without_windows.h"
#include "report/plane_pages.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

struct TReportDocument {
    QString FileName; // the design's file as the user knows it, or "Untitled"
    QDate Date;
    TDesign Design;
    TPlanePages Pages;
    std::optional<TDesignChecks> Checks;
    QString ChecksProblem; // why there are no checks (a drawing that does not read)
};

// Nothing fails for what is missing; a design a window would refuse fails with its message.
TReportDocument MakeReportDocument(const TDesign& design, const QString& fileName, const QDate& date);

// The parts of the calculation not made yet, one sentence each.
QStringList MissingParts(const TReportDocument& report);

// The title block as (label, value): project, drawing, revision, engineer, checker, date, the
// design's file and the program's version. An empty date is the day the report is written.
QList<QPair<QString, QString>> TitleBlockRows(const TReportDocument& report);
// What every page's foot says besides its number: "shaft.korvel, revision B".
QString PageFootText(const TReportDocument& report);

// What the shaft checks were made with, as (label, value with its unit): the speed, the material,
// the limits and safety factors, the masses and each of `bearings` bearings' inputs.
QList<QPair<QString, QString>> CheckInputRows(const TInputsUsed& used, size_t bearings);

// The main data's lines as (label, value): length, bearings, material, Mt, theory, stresses.
QList<QPair<QString, QString>> MainData(const TDesign& design);

// The loads table's cells: name, kind, position, value, direction.
QStringList LoadHeadings();
QStringList LoadCells(const TEnteredLoad& load);

// "RA = 500.00 N" and "RB = ...", the bearings' resultant loads once both planes are calculated.
QStringList ResultantLines(const TPlanePages& pages);
