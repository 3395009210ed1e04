// Designs for the document tests: a small one of known content, and random ones that every
// window would accept.
#pragma once

#include "common/number_text.h"
#include "document/design.h"

#include <random>

// A shaft of 100 mm on bearings at 0 and 100 with 1000 N down at 50 in both planes, Mt 1000000
// applied, one profile line, one added point.
inline TDesign SmallDesign()
{
    TDesign design;
    design.ShaftLength = 100;
    design.Horizontal = {TPlaneStep::Calculated,
                         {{TEntryKind::Bearing, 0, 0, 1}, {TEntryKind::Bearing, 100, 0, 1}, {TEntryKind::Force, 50, 1000, 0}}};
    design.Vertical = {TPlaneStep::Calculated, {{TEntryKind::Force, 50, 1000, 0}}};
    design.Dimensioning = {"1000000", "30", "130", "70", "40", "0.308", "Carbon steel, breaking stress 400 MPa",
                           "Costant", 0, true};
    design.Profile = {"line 0/10/100/10/0/"};
    design.AddedPoints = {{25, 4}};
    return design;
}

// The small design drawn as a solid cylinder of `radius`: 80 mm is ample there, 20 mm too thin.
inline TDesign Cylinder(const QString& radius)
{
    TDesign design = SmallDesign();
    design.Profile = {"line 0/0/0/" + radius + "/0/", "line 0/" + radius + "/100/" + radius + "/0/",
                      "line 100/" + radius + "/100/0/0/"};
    return design;
}

class TRandomDesigns {
public:
    explicit TRandomDesigns(unsigned seed) : random_(seed) {}

    TDesign Next()
    {
        TDesign design;
        design.ShaftLength = Real(10, 5000);
        design.Horizontal = HorizontalPlane(design.ShaftLength);
        design.Vertical = VerticalPlane(design.ShaftLength);
        design.Dimensioning = Dimensioning();
        for (int i = Whole(0, 12); i > 0; --i) design.Profile += Line();
        if (design.Vertical.Step == TPlaneStep::Calculated) {
            const int entries = int(design.Horizontal.Entries.size() + design.Vertical.Entries.size());
            for (int i = Whole(0, 4); i > 0; --i)
                design.AddedPoints.push_back(
                    {Real(design.Horizontal.Entries[0].Position, design.Horizontal.Entries[1].Position), entries});
        }
        design.Settings = {Byte(), Byte(), Byte(), Byte(), Byte(), Byte()};
        design.Overlays = {Coin(), Coin(), Coin()};
        design.View = {TSlicesChoice(Whole(0, 2)), Whole(3, 100), Whole(90, 360)};
        if (Coin()) design.ResultingDiameter = Real(1, 500);
        return design;
    }

private:
    long double Real(long double low, long double high)
    {
        return std::uniform_real_distribution<long double>(low, high)(random_);
    }
    int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    uint8_t Byte() { return uint8_t(Whole(0, 255)); }
    bool Coin() { return Whole(0, 1) == 1; }

    void AddLoads(TPlaneEntries& plane, long double length)
    {
        if (plane.Step >= TPlaneStep::Forces)
            for (int i = Whole(0, 20); i > 0; --i)
                plane.Entries.push_back({TEntryKind::Force, Real(0, length), Real(0, 1e5), uint8_t(Coin())});
        if (plane.Step >= TPlaneStep::Moments)
            for (int i = Whole(0, 20); i > 0; --i)
                plane.Entries.push_back({TEntryKind::Moment, Real(0, length), Real(0, 1e7), uint8_t(Coin())});
    }

    // Bearings A and B apart, so that the plane can be calculated.
    TPlaneEntries HorizontalPlane(long double length)
    {
        TPlaneEntries plane{TPlaneStep::Calculated, {}};
        plane.Entries.push_back({TEntryKind::Bearing, Real(0, length / 3), 0, 1});
        plane.Entries.push_back({TEntryKind::Bearing, Real(length * 2 / 3, length), 0, 1});
        for (int i = Whole(0, 3); i > 0; --i) plane.Entries.push_back({TEntryKind::Bearing, Real(0, length), 0, 1});
        AddLoads(plane, length);
        return plane;
    }

    TPlaneEntries VerticalPlane(long double length)
    {
        static const TPlaneStep steps[] = {TPlaneStep::NotStarted, TPlaneStep::Forces, TPlaneStep::Moments,
                                           TPlaneStep::Calculate, TPlaneStep::Calculated};
        TPlaneEntries plane{steps[Whole(0, 4)], {}};
        AddLoads(plane, length);
        return plane;
    }

    TDimensioningInputs Dimensioning()
    {
        const bool applied = Coin();
        return {FloatToStr(Real(0, 1e7)), Text(), Text(), Text(), FloatToStr(Real(1, 400)),
                FloatToStr(Real(0, 2)), Text(), Text(), Whole(0, 1), applied};
    }

    // Any characters a user may type into a field or a memo line, quotes and non-Latin included.
    QString Text()
    {
        static const QString alphabet = QStringLiteral("0123456789.,-+eE \t\"\\/{}[]:aZσταß€");
        QString text;
        for (int i = Whole(0, 16); i > 0; --i) text += alphabet[Whole(0, int(alphabet.size()) - 1)];
        return text;
    }

    QString Line()
    {
        return Coin() ? "line " + FloatToStr(Real(0, 500)) + "/" + FloatToStr(Real(0, 50)) + "/" +
                            FloatToStr(Real(0, 500)) + "/" + FloatToStr(Real(0, 50)) + "/0/"
                      : Text();
    }

    std::mt19937_64 random_;
};
