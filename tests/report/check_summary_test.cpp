// The check's JSON for a bored shaft: each strength row names the bore it was worked out for.
#include "report_designs.h"

#include "report/check_summary.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

// Read off the drawing: Ø20 up to x = 100, Ø25 from there on, the wider at the step itself.
TEST(CheckSummaryJson, StrengthRowsGiveTheBoreOfTheirSection)
{
    const QJsonObject json = CheckSummaryJson("bored.korvel", CheckDesignWithoutWindows(BoredDesign()));
    EXPECT_EQ(json["version"].toInt(), 4);
    const QJsonArray rows = json["strength"].toObject()["rows"].toArray();
    ASSERT_GE(rows.size(), 4);
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        EXPECT_EQ(row["bore"].toDouble(), row["position"].toDouble() < 100 ? 20 : 25) << row["position"].toDouble();
    }
    for (const QJsonValue& value : CheckSummaryJson("solid.korvel", CheckDesignWithoutWindows(SteppedDesign()))["strength"]
                                       .toObject()["rows"]
                                       .toArray())
        EXPECT_EQ(value.toObject()["bore"].toDouble(), 0);
}

} // namespace
