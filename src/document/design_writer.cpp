// Writing a design as its JSON document.
#include "document/design_file.h"

#include "document/check_inputs_file.h"
#include "document/design_keys.h"
#include "document/elements_file.h"
#include "document/exact_number.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject EntryObject(const TLoadEntry& entry)
{
    return {{"Kind", kEntryKindNames[int(entry.Kind)]},
            {"Position", ExactNumberText(entry.Position)},
            {"Value", ExactNumberText(entry.Value)},
            {"Direction", entry.Direction}};
}

QJsonObject PlaneObject(const TPlaneEntries& plane)
{
    QJsonArray entries;
    for (const TLoadEntry& entry : plane.Entries) entries.append(EntryObject(entry));
    return {{"Step", kPlaneStepNames[int(plane.Step)]}, {"Entries", entries}};
}

QJsonObject DimensioningObject(const TDimensioningInputs& inputs)
{
    return {{"TwistingMoment", inputs.TwistingMoment},
            {"AllowTwistStress", inputs.AllowTwistStress},
            {"StaticStress", inputs.StaticStress},
            {"PulsatoryStress", inputs.PulsatoryStress},
            {"AlternatingStress", inputs.AlternatingStress},
            {"TorsionCoeff", inputs.TorsionCoeff},
            {"Material", inputs.Material},
            {"TwistCycle", inputs.TwistCycle},
            {"TwistFrom", inputs.TwistFrom},
            {"TwistTo", inputs.TwistTo},
            {"Theory", inputs.Theory},
            {"Applied", inputs.Applied}};
}

QJsonObject SettingsObject(const TEditorSettings& settings)
{
    return {{"ArcWidth", settings.ArcWidth},
            {"ArcMarkWidth", settings.ArcMarkWidth},
            {"ArcMarkType", settings.ArcMarkType},
            {"LineWidth", settings.LineWidth},
            {"LineMarkWidth", settings.LineMarkWidth},
            {"LineMarkType", settings.LineMarkType}};
}

QJsonObject OverlaysObject(const TOverlaySwitches& overlays)
{
    return {{"ShowDiameters", overlays.ShowDiameters},
            {"ShowRecommended", overlays.ShowRecommended},
            {"ShowEqualStrength", overlays.ShowEqualStrength}};
}

QJsonObject ViewObject(const TViewSettings& view)
{
    return {{"Slices", kSlicesNames[int(view.Slices)]},
            {"SpinSlices", view.SpinSlices},
            {"RevolutionAngle", view.RevolutionAngle}};
}

QJsonArray AddedPointsArray(const std::vector<TAddedPoint>& points)
{
    QJsonArray array;
    for (const TAddedPoint& point : points)
        array.append(QJsonObject{{"Position", ExactNumberText(point.Position)},
                                 {"AfterEntries", point.AfterEntries},
                                 {"OfForgottenLoad", point.OfForgottenLoad}});
    return array;
}

} // namespace

QByteArray DesignToJson(const TDesign& design)
{
    const QJsonObject document{{"format", kDesignFormat},
                               {"version", kDesignVersion},
                               {"ShaftLength", ExactNumberText(design.ShaftLength)},
                               {"Horizontal", PlaneObject(design.Horizontal)},
                               {"Vertical", PlaneObject(design.Vertical)},
                               {"Dimensioning", DimensioningObject(design.Dimensioning)},
                               {"Profile", QJsonArray::fromStringList(design.Profile)},
                               {"Settings", SettingsObject(design.Settings)},
                               {"AddedPoints", AddedPointsArray(design.AddedPoints)},
                               {"ResultingDiameter", design.ResultingDiameter ? QJsonValue(ExactNumberText(*design.ResultingDiameter))
                                                                              : QJsonValue()},
                               {"Overlays", OverlaysObject(design.Overlays)},
                               {"View3D", ViewObject(design.View)},
                               {"Check", CheckInputsObject(design.Check)},
                               {"Report", ReportDetailsObject(design.Report)},
                               {"Elements", ElementsArray(design.Elements)},
                               {"Rotation", RotationText(design.Rotation)}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}
