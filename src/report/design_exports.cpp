#include "report/design_exports.h"

#include "analysis/analysis_state.h"
#include "export/dxf_export.h"
#include "export/stl_export.h"
#include "profile/editor_state.h"
#include "profile/profile_points.h"

int SlicesOf(const TViewSettings& view)
{
    switch (view.Slices) {
    case TSlicesChoice::Slices32: return 32;
    case TSlicesChoice::Slices16: return 16;
    case TSlicesChoice::SpinValue: break;
    }
    return view.SpinSlices;
}

void ExportDesignDxf(const TDesign& design, const QString& fileName) { WriteProfileDxf(fileName, design.Profile); }

void ExportDesignStl(const TDesign& design, const QString& fileName)
{
    QStringList memo = design.Profile; // the build sorts what it reads
    TModel points;
    ExtractProfilePoints(memo, points, TEditorState().ArcSteps);
    WriteStl(fileName, SolidTriangles(points, SlicesOf(design.View)));
}
