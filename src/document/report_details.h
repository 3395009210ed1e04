// The report's title block, entered once and kept in the design: who made the calculation, for
// which project and drawing, and who checks it. A file written before it existed has none.
#pragma once

#include <QJsonObject>
#include <QString>

struct TReportDetails {
    QString Project;
    QString Drawing;  // drawing number
    QString Revision;
    QString Engineer;
    QString Checker;
    QString Date;     // as the engineer writes it; empty: the day the report is written
    bool operator==(const TReportDetails&) const = default;
};

QJsonObject ReportDetailsObject(const TReportDetails& details);
// Fails, naming the field, on a field missing from a present object or one that is no text.
TReportDetails ReadReportDetails(const QJsonObject& document);
