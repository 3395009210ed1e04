// Reading a design from its JSON document: the whole document is read and checked before the
// design is handed back.
#include "document/design_file.h"

#include "common/errors.h"
#include "document/decimal_texts.h"
#include "document/check_inputs_file.h"
#include "document/design_keys.h"
#include "document/design_replay.h"
#include "document/elements_file.h"
#include "document/json_fields.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <limits>

namespace {

constexpr int kByteMaximum = 255;
// A plane holds at most 255 of each kind of load, and the shaft at most 255 positions.
constexpr qsizetype kMostEntries = 3 * kByteMaximum;
constexpr qsizetype kMostPoints = kByteMaximum;

// "line 3, column 14" of a byte offset, as a text editor counts them.
QString PlaceOf(const QByteArray& json, int offset)
{
    const QByteArray before = json.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int column = int(before.size() - before.lastIndexOf('\n'));
    return "line " + QString::number(line) + ", column " + QString::number(column);
}

QJsonObject ParseDocument(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        RaiseError("The file is not a JSON document: " + error.errorString() + " at " +
                   PlaceOf(json, error.offset) + ".");
    if (!document.isObject()) RaiseError("The file is not a Korvel design: it holds no group of fields.");
    return document.object();
}

int CheckFormatAndVersion(const QJsonObject& object, const TJsonFields& fields)
{
    if (object.value("format").toString() != kDesignFormat)
        RaiseError("The file is not a Korvel design: its \"format\" is not \"" + kDesignFormat + "\".");
    const int version = fields.Integer("version", 1, std::numeric_limits<int>::max());
    if (version > kDesignVersion)
        RaiseError("The design was written by a newer Korvel (file version " + QString::number(version) +
                   "); this Korvel reads versions up to " + QString::number(kDesignVersion) + ".");
    return version;
}

TLoadEntry ReadEntry(const TJsonFields& fields)
{
    TLoadEntry entry;
    entry.Kind = TEntryKind(fields.Choice("Kind", kEntryKindNames));
    entry.Position = fields.Number("Position");
    entry.Value = fields.Number("Value");
    entry.Direction = uint8_t(fields.Integer("Direction", 0, 1));
    return entry;
}

TPlaneEntries ReadPlane(const TJsonFields& fields)
{
    TPlaneEntries plane;
    plane.Step = TPlaneStep(fields.Choice("Step", kPlaneStepNames));
    for (const TJsonFields& entry : fields.Objects("Entries", kMostEntries)) plane.Entries.push_back(ReadEntry(entry));
    return plane;
}

TDimensioningInputs ReadDimensioning(const TJsonFields& fields)
{
    TDimensioningInputs inputs;
    inputs.TwistingMoment = fields.Text("TwistingMoment");
    inputs.AllowTwistStress = fields.Text("AllowTwistStress");
    inputs.StaticStress = fields.Text("StaticStress");
    inputs.PulsatoryStress = fields.Text("PulsatoryStress");
    inputs.AlternatingStress = fields.Text("AlternatingStress");
    inputs.TorsionCoeff = fields.Text("TorsionCoeff");
    inputs.Material = fields.Text("Material");
    inputs.TwistCycle = fields.Text("TwistCycle");
    inputs.TwistFrom = fields.OptionalText("TwistFrom");
    inputs.TwistTo = fields.OptionalText("TwistTo");
    inputs.Theory = fields.Integer("Theory", 0, 1);
    inputs.Applied = fields.Switch("Applied");
    return inputs;
}

uint8_t ReadByte(const TJsonFields& fields, const QString& key)
{
    return uint8_t(fields.Integer(key, 0, kByteMaximum));
}

TEditorSettings ReadSettings(const TJsonFields& fields)
{
    TEditorSettings settings;
    settings.ArcWidth = ReadByte(fields, "ArcWidth");
    settings.ArcMarkWidth = ReadByte(fields, "ArcMarkWidth");
    settings.ArcMarkType = ReadByte(fields, "ArcMarkType");
    settings.LineWidth = ReadByte(fields, "LineWidth");
    settings.LineMarkWidth = ReadByte(fields, "LineMarkWidth");
    settings.LineMarkType = ReadByte(fields, "LineMarkType");
    return settings;
}

// Every character that the editor's memo takes for the end of a line, its frame marks included.
bool BreaksLine(QChar c)
{
    return c == '\n' || c == '\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
           c == QChar(0xfdd0) || c == QChar(0xfdd1);
}

// Far more statements than any shaft needs, but few enough for the editor to draw at once.
constexpr qsizetype kLongestProfile = 4096;

// A memo line never holds a line break: one would turn into two statements.
QStringList ReadProfile(const TJsonFields& fields)
{
    const QStringList lines = fields.Texts("Profile", kLongestProfile);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString path = fields.PathOf("Profile") + "[" + QString::number(i) + "]";
        if (std::any_of(lines[i].begin(), lines[i].end(), BreaksLine))
            RaiseFieldError(path, "one line of text, without a line break");
        if (lines[i].contains(QChar::Null)) RaiseFieldError(path, "a text without a NUL character");
    }
    return lines;
}

TAddedPoint ReadAddedPoint(const TJsonFields& fields)
{
    return {fields.Number("Position"), fields.Integer("AfterEntries", 0, std::numeric_limits<int>::max()),
            fields.Switch("OfForgottenLoad")};
}

// The first version kept the positions alone; they were replayed after every entry.
std::vector<TAddedPoint> ReadAddedPoints(const TJsonFields& fields, int version, const TDesign& design)
{
    std::vector<TAddedPoint> points;
    if (version == 1) {
        const int entries = int(design.Horizontal.Entries.size() + design.Vertical.Entries.size());
        for (long double position : fields.Numbers("AddedPoints", kMostPoints)) points.push_back({position, entries, false});
        return points;
    }
    for (const TJsonFields& point : fields.Objects("AddedPoints", kMostPoints)) points.push_back(ReadAddedPoint(point));
    return points;
}

TOverlaySwitches ReadOverlays(const TJsonFields& fields)
{
    return {fields.Switch("ShowDiameters"), fields.Switch("ShowRecommended"), fields.Switch("ShowEqualStrength")};
}

TViewSettings ReadView(const TJsonFields& fields)
{
    TViewSettings view;
    view.Slices = TSlicesChoice(fields.Choice("Slices", kSlicesNames));
    view.SpinSlices = fields.Integer("SpinSlices", 3, 100);
    view.RevolutionAngle = fields.Integer("RevolutionAngle", 90, 360);
    return view;
}

TDesign ReadDesign(const TJsonFields& fields, int version)
{
    TDesign design;
    design.FileVersion.Value = version;
    design.ShaftLength = fields.Number("ShaftLength");
    design.Horizontal = ReadPlane(fields.Object("Horizontal"));
    design.Vertical = ReadPlane(fields.Object("Vertical"));
    design.Dimensioning = ReadDimensioning(fields.Object("Dimensioning"));
    design.Profile = ReadProfile(fields);
    design.Settings = ReadSettings(fields.Object("Settings"));
    design.AddedPoints = ReadAddedPoints(fields, version, design);
    if (version > 1) design.ResultingDiameter = fields.OptionalNumber("ResultingDiameter");
    design.Overlays = ReadOverlays(fields.Object("Overlays"));
    design.View = ReadView(fields.Object("View3D"));
    design.Elements = ReadElements(fields, version);
    design.Rotation = ReadRotation(fields, version);
    return version == 1 ? DecimalsOfFirstVersion(design) : design;
}

} // namespace

TDesign DesignFromJson(const QByteArray& json)
{
    const QJsonObject object = ParseDocument(json);
    const TJsonFields fields(object, QString());
    const int version = CheckFormatAndVersion(object, fields);
    TDesign design = ReadDesign(fields, version);
    design.Check = ReadCheckInputs(object);
    design.Report = ReadReportDetails(object);
    CheckDesign(design);
    return design;
}

QString OlderDesignNotice(const TDesign& design)
{
    if (design.FileVersion.Value >= 3) return QString();
    QStringList letters;
    for (const TLoadEntry& entry : design.Horizontal.Entries)
        if (entry.Kind == TEntryKind::Bearing) letters << QString(QChar('A' + int(letters.size())));
    const QStringList beyondB = letters.mid(2);
    if (beyondB.isEmpty()) return QString();
    const QString carry = beyondB.size() == 1 ? "bearing " + beyondB[0] + " now carries"
                                              : "bearings " + beyondB.join(", ") + " now carry";
    return "This design's " + carry + " load: its reactions differ from those it was saved with.";
}
