#include "report/design_exports.h"

#include "analysis/analysis_state.h"
#include "common/whole_file.h"
#include "document/decimal_texts.h"
#include "export/dxf_export.h"
#include "export/stl_export.h"
#include "profile/editor_state.h"
#include "profile/profile_points.h"
#include "report/report_painting.h"

#include <QDate>
#include <QDir>

int SlicesOf(const TViewSettings& view)
{
    switch (view.Slices) {
    case TSlicesChoice::Slices32: return 32;
    case TSlicesChoice::Slices16: return 16;
    case TSlicesChoice::SpinValue: break;
    }
    return view.SpinSlices;
}

namespace {

// The drawing as the editor holds it, with the machine's decimal separator.
QStringList ShownProfile(const TDesign& design) { return ShownDecimals(design).Profile; }

} // namespace

void ExportDesignDxf(const TDesign& design, const QString& fileName) { WriteProfileDxf(fileName, ShownProfile(design)); }

void ExportDesignStl(const TDesign& design, const QString& fileName)
{
    QStringList memo = ShownProfile(design); // the build sorts what it reads
    TModel points;
    ExtractProfilePoints(memo, points, TEditorState().ArcSteps);
    WriteStl(fileName, SolidTriangles(points, SlicesOf(design.View)));
}

void ExportDesignPdf(const TDesign& design, const QString& designName, const QString& fileName)
{
    const TReportDocument report = MakeReportDocument(design, QDir::toNativeSeparators(designName), QDate::currentDate());
    WriteWholeFile(fileName, ReportPdfBytes(report));
}
