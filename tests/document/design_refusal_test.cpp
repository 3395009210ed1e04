#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "common/errors.h"
#include "design_samples.h"
#include "document/design_file.h"
#include "dimensioning/stress_checks.h"
#include "document/design_replay.h"
#include "profile/editor_commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString MessageOf(const QByteArray& json)
{
    try {
        DesignFromJson(json);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return "(no message)";
}

QJsonObject SmallObject() { return QJsonDocument::fromJson(DesignToJson(SmallDesign())).object(); }

QByteArray Edited(const std::function<void(QJsonObject&)>& edit)
{
    QJsonObject object = SmallObject();
    edit(object);
    return QJsonDocument(object).toJson();
}

// Sets a field of the first entry of a plane.
QByteArray EntryEdited(const QString& plane, const QString& key, const QJsonValue& value)
{
    return Edited([&](QJsonObject& root) {
        QJsonObject planeObject = root[plane].toObject();
        QJsonArray entries = planeObject["Entries"].toArray();
        QJsonObject entry = entries[0].toObject();
        entry[key] = value;
        entries[0] = entry;
        planeObject["Entries"] = entries;
        root[plane] = planeObject;
    });
}

QByteArray DesignEdited(const std::function<void(TDesign&)>& edit)
{
    TDesign design = SmallDesign();
    edit(design);
    return DesignToJson(design);
}

struct TBadFile {
    const char* what;
    QByteArray json;
    QString message;
};

} // namespace

TEST(DesignFile, EveryKindOfBadFileGivesItsOneMessage)
{
    const TLoadEntry force{TEntryKind::Force, 10, 1, 1};
    const std::vector<TBadFile> cases{
        {"not JSON", "{\n  \"format\": \"Korvel design\",\n  \"version\" 1\n}",
         "The file is not a JSON document: missing name separator at line 3, column 14."},
        {"a list, not a design", "[1, 2]", "The file is not a Korvel design: it holds no group of fields."},
        {"another format", "{\"name\": \"korvel\", \"version\": \"1.0\"}",
         "The file is not a Korvel design: its \"format\" is not \"Korvel design\"."},
        {"newer version", Edited([](QJsonObject& o) { o["version"] = 5; }),
         "The design was written by a newer Korvel (file version 5); this Korvel reads versions up to 4."},
        {"missing field", Edited([](QJsonObject& o) {
             QJsonObject view = o["View3D"].toObject();
             view.remove("RevolutionAngle");
             o["View3D"] = view;
         }),
         "The design misses the field \"View3D.RevolutionAngle\"."},
        {"number not a text", Edited([](QJsonObject& o) { o["ShaftLength"] = 100; }),
         "The field \"ShaftLength\" of the design must be a text."},
        {"number out of range", EntryEdited("Horizontal", "Position", "1e5000"),
         "The field \"Horizontal.Entries[0].Position\" of the design must be a finite decimal number written as "
         "a text, such as \"12.5\"."},
        {"direction 2", EntryEdited("Vertical", "Direction", 2),
         "The field \"Vertical.Entries[0].Direction\" of the design must be a whole number from 0 to 1."},
        {"unknown kind", EntryEdited("Vertical", "Kind", "torque"),
         "The field \"Vertical.Entries[0].Kind\" of the design must be one of \"bearing\", \"force\", \"moment\"."},
        {"line break in a statement", DesignEdited([](TDesign& d) { d.Profile = {"line 0/1/", "a\nb"}; }),
         "The field \"Profile[1]\" of the design must be one line of text, without a line break."},
        {"line separator in a statement", DesignEdited([](TDesign& d) { d.Profile = {"a" + QString(QChar(0x2028)) + "b"}; }),
         "The field \"Profile[0]\" of the design must be one line of text, without a line break."},
        {"paragraph separator in a statement",
         DesignEdited([](TDesign& d) { d.Profile = {"a" + QString(QChar::ParagraphSeparator)}; }),
         "The field \"Profile[0]\" of the design must be one line of text, without a line break."},
        {"shaft of length 0", DesignEdited([](TDesign& d) { d.ShaftLength = 0; }),
         "The field \"ShaftLength\" of the design is refused: " + kShaftLengthMissing},
        {"256th force", DesignEdited([&](TDesign& d) {
             d.Vertical = {TPlaneStep::Forces, std::vector<TLoadEntry>(256, force)};
             d.AddedPoints.clear();
         }),
         "The entry \"Vertical.Entries[255]\" of the design is refused: " + kTooManyForces},
        {"ninth bearing", DesignEdited([](TDesign& d) {
             for (int i = 0; i < 7; ++i)
                 d.Horizontal.Entries.insert(d.Horizontal.Entries.begin() + 2, {TEntryKind::Bearing, 10.0L * (i + 1), 0, 1});
         }),
         "The entry \"Horizontal.Entries[8]\" of the design is refused: " + kTooManyBearings},
        {"bearing in the vertical plane", DesignEdited([](TDesign& d) {
             d.Vertical.Entries.push_back({TEntryKind::Bearing, 5, 0, 1});
         }),
         "The vertical plane of the design has a length or bearings of its own: it keeps those of the "
         "horizontal plane and starts at the forces."},
        {"bearing after a force", DesignEdited([](TDesign& d) { std::swap(d.Horizontal.Entries[1], d.Horizontal.Entries[2]); }),
         "The entry \"Horizontal.Entries[2]\" of the design is out of order: a plane takes its bearings, then its "
         "forces, then its moments."},
        {"moment before its step", DesignEdited([](TDesign& d) {
             d.Vertical = {TPlaneStep::Forces, {{TEntryKind::Moment, 5, 1, 1}}};
             d.AddedPoints.clear();
         }),
         "The entry \"Vertical.Entries[0]\" of the design lies beyond the step \"Vertical.Step\" at which that "
         "plane's entry stands."},
        {"bearing with a value", DesignEdited([](TDesign& d) { d.Horizontal.Entries[0].Value = 3; }),
         "The entry \"Horizontal.Entries[0]\" of the design is a bearing with a value or direction: a bearing "
         "carries value 0 and direction 1."},
        {"calculated on coinciding bearings", DesignEdited([](TDesign& d) { d.Horizontal.Entries[1].Position = 0; }),
         "The horizontal plane of the design cannot be calculated: " + kBearingsCoincide},
        {"applied with a stress of 0", DesignEdited([](TDesign& d) { d.Dimensioning.AlternatingStress = "0"; }),
         "The dimensioning inputs of the design were stored, but \"Apply\" refuses them: " + kNonPositiveBendStress},
        {"point beyond the shaft", DesignEdited([](TDesign& d) { d.AddedPoints = {{25, 4}, {101, 4}}; }),
         "The point \"AddedPoints[1]\" of the design is refused: " + kOutsideShaft},
    };
    for (const TBadFile& bad : cases) EXPECT_EQ(MessageOf(bad.json).toStdString(), bad.message.toStdString()) << bad.what;
}

TEST(DesignReplay, EntersAndCalculatesBothPlanesAndAddsThePoints)
{
    TAnalysisState state;
    InitialiseEntryState(state);
    TData data;
    ReplayDesign(SmallDesign(), state, data);
    EXPECT_DOUBLE_EQ(state.HorzReactions[0], 500);
    EXPECT_DOUBLE_EQ(state.VertReactions[1], 500);
    EXPECT_EQ(state.Reactions[0].Name, "RVA");
    EXPECT_EQ(data.MaxMom(), 25000);
    EXPECT_EQ(data.MT(), 1000000);
    EXPECT_EQ(state.AllowBendStress, 40);
    const std::vector<long double> positions{0, 25, 50, 100};
    ASSERT_EQ(state.PointCount, positions.size());
    for (size_t i = 0; i < positions.size(); ++i) EXPECT_EQ(state.Points[i].Position, positions[i]);
}

// The replay adds the points by the editor's own rule: both ends of the span are accepted,
// duplicates included; the list stays sorted and never grows past its one-byte count.
TEST(AddDimensionPoint, TakesPositionsWithinTheSpanOnly)
{
    TAnalysisState state;
    EXPECT_THROW(AddDimensioningPoint(state, 0), KorvelError);
    state.Points = {{1, 10}, {1, 90}};
    state.PointCount = 2;
    AddDimensioningPoint(state, 90);
    AddDimensioningPoint(state, 10);
    AddDimensioningPoint(state, 40);
    const std::vector<long double> positions{10, 10, 40, 90, 90};
    ASSERT_EQ(state.Points.size(), positions.size());
    for (size_t i = 0; i < positions.size(); ++i) EXPECT_EQ(state.Points[i].Position, positions[i]);
    EXPECT_THROW(AddDimensioningPoint(state, 9.99L), KorvelError);
    EXPECT_THROW(AddDimensioningPoint(state, 90.01L), KorvelError);
    while (state.PointCount < 255) AddDimensioningPoint(state, 50);
    EXPECT_THROW(AddDimensioningPoint(state, 50), KorvelError);
    EXPECT_EQ(state.Points.size(), 255u);
}
