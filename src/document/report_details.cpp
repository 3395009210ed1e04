#include "document/report_details.h"

#include "document/json_fields.h"

namespace {
const QString kReportKey = QStringLiteral("Report");
}

QJsonObject ReportDetailsObject(const TReportDetails& details)
{
    return {{"Project", details.Project}, {"Drawing", details.Drawing}, {"Revision", details.Revision},
            {"Engineer", details.Engineer}, {"Checker", details.Checker}, {"Date", details.Date}};
}

TReportDetails ReadReportDetails(const QJsonObject& document)
{
    if (!document.contains(kReportKey)) return {};
    const TJsonFields fields = TJsonFields(document, QString()).Object(kReportKey);
    return {fields.Text("Project"), fields.Text("Drawing"), fields.Text("Revision"),
            fields.Text("Engineer"), fields.Text("Checker"), fields.Text("Date")};
}
