// The shaft checks' inputs travel with the design; a file from before the checks opens with
// their defaults, and inputs the checks would refuse do not open.
#include "common/errors.h"
#include "design_samples.h"
#include "document/design_file.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QByteArray Edited(const TDesign& design, const std::function<void(QJsonObject&)>& edit)
{
    QJsonObject root = QJsonDocument::fromJson(DesignToJson(design)).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

TEST(DesignCheckInputs, TravelWithTheDesignAndDefaultWhenAbsent)
{
    TDesign design = SmallDesign();
    design.Check = {200000, 0.0005L, 0.0002L, 7800, 1450, {{50, 12.5L}, {80, 0.1L}}};
    EXPECT_EQ(DesignFromJson(DesignToJson(design)), design);

    const TDesign older = DesignFromJson(Edited(design, [](QJsonObject& root) { root.remove("Check"); }));
    EXPECT_EQ(older.Check, TCheckInputs{});
    EXPECT_EQ(double(older.Check.Modulus), 210000);
    EXPECT_EQ(older.Profile, design.Profile);

    const QByteArray noDensity = Edited(design, [](QJsonObject& root) {
        QJsonObject check = root["Check"].toObject();
        check["Density"] = "0";
        root["Check"] = check;
    });
    try {
        DesignFromJson(noDensity);
        ADD_FAILURE() << "a density of 0 opened";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text().toStdString(),
                  "The field \"Check\" of the design cannot be used: The density must be greater than 0.");
    }
    const QByteArray noSpeed = Edited(design, [](QJsonObject& root) {
        QJsonObject check = root["Check"].toObject();
        check.remove("Speed");
        root["Check"] = check;
    });
    EXPECT_THROW(DesignFromJson(noSpeed), KorvelError);
}

} // namespace

namespace {

// The fatigue page's inputs: typed strengths, choices and both bearings come back; a file from
// before the fatigue check opens with its defaults (Sut and Sy from the material).
TEST(DesignCheckInputs, FatigueInputsTravelAndDefaultWhenAbsent)
{
    TDesign design = SmallDesign();
    TFatigueInputs& fatigue = design.Check.Fatigue;
    fatigue.UltimateStrength = 650.5L;
    fatigue.Surface = TSurface::HotRolled;
    fatigue.Reliability = TReliability::Percent999;
    fatigue.TwistLimit = 0.5L;
    fatigue.Bearings = {{{TBearingKind::Roller, 45.5L}, {TBearingKind::Ball, 30}}};
    EXPECT_EQ(DesignFromJson(DesignToJson(design)), design);

    const TDesign older = DesignFromJson(Edited(design, [](QJsonObject& root) {
        QJsonObject check = root["Check"].toObject();
        check.remove("Fatigue");
        root["Check"] = check;
    }));
    EXPECT_EQ(older.Check.Fatigue, TFatigueInputs{});
    EXPECT_FALSE(older.Check.Fatigue.YieldStrength);
}

} // namespace
