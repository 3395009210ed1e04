// What the report's PDF says about itself: its title, its author (the engineer) and subject, and
// that it is PDF/A-1b, in the XMP metadata that an archive reads.
#pragma once

#include "report/report_document.h"

#include <QByteArray>
#include <QDateTime>

// "Shaft calculation report: shaft.korvel"
QString ReportTitle(const TReportDocument& report);

// The XMP packet of a PDF/A-1b report written at `created` (local time, as the writer stamps its
// document information): each field the document information holds (title, creating program,
// producer, dates) with the same value, as PDF/A-1 asks, and the author and subject beside them.
QByteArray ReportXmp(const TReportDocument& report, const QDateTime& created);

// Whether the PDF's document information carries `created` to the second: the writer stamps it
// itself, and the XMP must agree with it.
bool StampedAt(const QByteArray& pdf, const QDateTime& created);
