// The shaft checks' inputs travel with the design; a file from before the checks opens with
// their defaults, and inputs the checks would refuse do not open.
#include "common/errors.h"
#include "design_samples.h"
#include "document/design_file.h"

#include <QJsonArray>
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

    const QByteArray noSpeed = Edited(design, [](QJsonObject& root) {
        QJsonObject check = root["Check"].toObject();
        check.remove("Speed");
        root["Check"] = check;
    });
    EXPECT_THROW(DesignFromJson(noSpeed), KorvelError);
}

// Inputs beyond physics do not open: the message names the field and its range, whatever the
// number's size (E = 1E-4000 once reached the JSON as null and the text as 24,000 digits).
TEST(DesignCheckInputs, ValuesOutsideTheirPhysicalRangeAreRefusedNamingFieldAndRange)
{
    TDesign design = SmallDesign();
    design.Check.Masses = {{50, 12.5L}};
    struct TCase {
        QStringList path;
        QString value;
        std::string message;
    };
    const TCase cases[] = {
        {{"Modulus"}, "1e-4000", "The field \"Check.Modulus\" of the design must be from 1000 to 1000000 MPa (E), not 1E-4000."},
        {{"Density"}, "1e4000", "The field \"Check.Density\" of the design must be from 100 to 50000 kg/m^3 (the density), not 1E4000."},
        {{"Density"}, "0", "The field \"Check.Density\" of the design must be from 100 to 50000 kg/m^3 (the density), not 0."},
        {{"SlopeLimit"}, "0", "The field \"Check.SlopeLimit\" of the design must be above 0, up to 0.1 rad (the slope limit), not 0."},
        {{"Fatigue", "RequiredLife"}, "0.5", "The field \"Check.Fatigue.RequiredLife\" of the design must be from 1 to 10000000 h (the required life L10h), not 0.5."},
        {{"Fatigue", "FatigueSafety"}, "11", "The field \"Check.Fatigue.FatigueSafety\" of the design must be from 1 to 10 (the required n_f), not 11."},
    };
    for (const TCase& bad : cases) {
        const QByteArray json = Edited(design, [&](QJsonObject& root) {
            QJsonObject check = root["Check"].toObject();
            if (bad.path.size() == 1) {
                check[bad.path[0]] = bad.value;
            } else {
                QJsonObject inner = check[bad.path[0]].toObject();
                inner[bad.path[1]] = bad.value;
                check[bad.path[0]] = inner;
            }
            root["Check"] = check;
        });
        try {
            DesignFromJson(json);
            ADD_FAILURE() << bad.path.join('.').toStdString() << " = " << bad.value.toStdString() << " opened";
        } catch (const KorvelError& error) {
            EXPECT_EQ(error.Text().toStdString(), bad.message);
        }
    }
    // A field of a list, named with its place in the list.
    const QByteArray heavy = Edited(design, [](QJsonObject& root) {
        QJsonObject check = root["Check"].toObject();
        check["Masses"] = QJsonArray{QJsonObject{{"Position", "50"}, {"Mass", "1e30"}}};
        root["Check"] = check;
    });
    EXPECT_THROW(
        {
            try {
                DesignFromJson(heavy);
            } catch (const KorvelError& error) {
                EXPECT_EQ(error.Text().toStdString(), "The field \"Check.Masses[0].Mass\" of the design must be from 0 to "
                                                      "1000000 kg (a mass), not 1E30.");
                throw;
            }
        },
        KorvelError);
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
    fatigue.Grade = "C45E +QT";
    fatigue.RulingDiameter = 63.5L;
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

namespace {

// A bearing's stiffness comes back exactly; a file from before bearings could give way opens with
// rigid ones, and one softer than any bearing is refused with its range.
TEST(DesignCheckInputs, BearingStiffnessTravelsAndAFileWithoutItOpensRigid)
{
    TDesign design = SmallDesign();
    design.Check.Fatigue.Bearings = {{{TBearingKind::Roller, 45.5L, 123456.75L}, {TBearingKind::Ball, 30}}};
    EXPECT_EQ(DesignFromJson(DesignToJson(design)), design);

    const auto withBearingB = [&](const std::function<void(QJsonObject&)>& edit) {
        return Edited(design, [&](QJsonObject& root) {
            QJsonObject check = root["Check"].toObject(), fatigue = check["Fatigue"].toObject();
            QJsonArray bearings = fatigue["Bearings"].toArray();
            QJsonObject b = bearings[1].toObject();
            edit(b);
            bearings[1] = b, fatigue["Bearings"] = bearings, check["Fatigue"] = fatigue, root["Check"] = check;
        });
    };
    design.Check.Fatigue.Bearings[1].Stiffness = 5e4L;
    const TDesign older = DesignFromJson(withBearingB([](QJsonObject& b) { b.remove("Stiffness"); }));
    EXPECT_EQ(double(older.Check.Fatigue.Bearings[1].Stiffness), 0.0) << "rigid";
    EXPECT_EQ(double(older.Check.Fatigue.Bearings[0].Stiffness), 123456.75);
    try {
        DesignFromJson(withBearingB([](QJsonObject& b) { b["Stiffness"] = "-200"; }));
        ADD_FAILURE() << "a negative stiffness opened";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text().toStdString(), "The field \"Check.Fatigue.Bearings[1].Stiffness\" of the design must be 0 "
                                              "(rigid) or from 1 to 1000000000 N/mm (a bearing's radial stiffness), not -200.");
    }
}

} // namespace


namespace {

// A shaft on five bearings: each keeps its kind, rating and stiffness, and the locating bearing
// comes back; a file from before there was one has A take the axial load.
TEST(DesignCheckInputs, FiveBearingsTravelWithTheirInputsAndTheLocatingBearing)
{
    TDesign design = SmallDesign();
    design.Horizontal.Entries = {{TEntryKind::Bearing, 0, 0, 1},  {TEntryKind::Bearing, 100, 0, 1},
                                 {TEntryKind::Bearing, 25, 0, 1}, {TEntryKind::Bearing, 50, 0, 1},
                                 {TEntryKind::Bearing, 75, 0, 1}, {TEntryKind::Force, 60, 1000, 0}};
    design.Vertical.Entries = {{TEntryKind::Force, 60, 1000, 0}};
    design.AddedPoints.clear();
    TFatigueInputs& fatigue = design.Check.Fatigue;
    for (size_t i = 0; i < 5; ++i)
        fatigue.Bearings[i] = {i % 2 ? TBearingKind::Roller : TBearingKind::Ball, 10.5L * (i + 1), 1000.25L * i};
    fatigue.LocatingBearing = 3;
    const QByteArray json = DesignToJson(design);
    EXPECT_EQ(DesignFromJson(json), design);
    EXPECT_EQ(QJsonDocument::fromJson(json)["Check"]["Fatigue"]["Bearings"].toArray().size(), 5);

    const auto withLocating = [&](const QJsonValue& value) {
        return Edited(design, [&](QJsonObject& root) {
            QJsonObject check = root["Check"].toObject(), inputs = check["Fatigue"].toObject();
            if (value.isUndefined()) inputs.remove("LocatingBearing");
            else inputs["LocatingBearing"] = value;
            check["Fatigue"] = inputs, root["Check"] = check;
        });
    };
    EXPECT_EQ(DesignFromJson(withLocating(QJsonValue::Undefined)).Check.Fatigue.LocatingBearing, 0);
    EXPECT_THROW(DesignFromJson(withLocating(8)), KorvelError);
}

// Before version 3 only A and B carried load: a design on more bearings says which now carry it.
TEST(DesignCheckInputs, AnOlderDesignOnMoreThanTwoBearingsSaysItsReactionsChanged)
{
    TDesign design = SmallDesign();
    const auto ofVersion = [&](int version) {
        return DesignFromJson(Edited(design, [&](QJsonObject& root) { root["version"] = version; }));
    };
    EXPECT_EQ(ofVersion(2).FileVersion.Value, 2);
    EXPECT_EQ(OlderDesignNotice(ofVersion(2)), "") << "A and B carried load before as now";
    design.Horizontal.Entries.insert(design.Horizontal.Entries.begin() + 2, {TEntryKind::Bearing, 30, 0, 1});
    EXPECT_EQ(OlderDesignNotice(ofVersion(3)), "");
    EXPECT_EQ(OlderDesignNotice(ofVersion(2)),
              "This design's bearing C now carries load: its reactions differ from those it was saved with.");
    design.Horizontal.Entries.insert(design.Horizontal.Entries.begin() + 3, {TEntryKind::Bearing, 40, 0, 1});
    EXPECT_EQ(OlderDesignNotice(ofVersion(2)),
              "This design's bearings C, D now carry load: its reactions differ from those it was saved with.");
}

} // namespace

namespace {

// The equivalent-load factors travel exactly, and only where a bearing has them: a design without
// axial factors writes the bearing as before and reads back to the radial load alone.
TEST(DesignCheckInputs, EquivalentLoadFactorsAreWrittenOnlyWhereGiven)
{
    TDesign design = SmallDesign();
    TBearingInputs& b = design.Check.Fatigue.Bearings[1];
    b.Rating = 35, b.XBeyondE = 0.56L, b.YBeyondE = 1.6L, b.E = 0.3L;
    const QByteArray json = DesignToJson(design);
    EXPECT_EQ(DesignFromJson(json), design);
    const QJsonArray bearings = QJsonDocument::fromJson(json)["Check"]["Fatigue"]["Bearings"].toArray();
    EXPECT_FALSE(bearings[0].toObject().contains("E"));
    EXPECT_EQ(bearings[1].toObject()["YBeyondE"].toString(), "1.6");

    design.Check.Fatigue.Bearings[1].YBeyondE = 12;
    try {
        DesignFromJson(DesignToJson(design));
        ADD_FAILURE() << "Y = 12 opened";
    } catch (const KorvelError& error) {
        EXPECT_TRUE(error.Text().contains("Check.Fatigue.Bearings[1].YBeyondE")) << error.Text().toStdString();
    }
}

} // namespace
