#include "export/dxf_export.h"

#include "common/errors.h"
#include "common/whole_file.h"
#include "profile/arc_circle.h"
#include "profile/dhl_statement.h"

#include <QFile>
#include <QTemporaryDir>

#include <dl_dxf.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

double Degrees(double y, double x)
{
    const double angle = std::atan2(y, x) * 180 / std::numbers::pi;
    return angle < 0 ? angle + 360 : angle + 0.0; // +0.0 turns -0 into 0
}

// dxflib prints every real in fixed notation into a buffer of its own, so a coordinate of a few
// hundred digits would run past that buffer; a billion kilometres is far beyond any shaft.
constexpr double kLargestCoordinate = 1e15;

// A coordinate of the file, refused where the file could not hold it.
double Millimetres(long double value)
{
    const double millimetres = double(value);
    if (!(std::fabs(millimetres) <= kLargestCoordinate)) RaiseError(kOverflow);
    return millimetres;
}

// Below the axis; 0 - y rather than -y, so that a point on the axis stays 0 and not -0.
double Mirrored(double y)
{
    return 0.0 - y;
}

void AddLine(TDxfDrawing& drawing, const TLineStatement& line)
{
    const TDxfLine upper{Millimetres(line.X1), Millimetres(line.Y1), Millimetres(line.X2), Millimetres(line.Y2)};
    if (upper.X1 == upper.X2 && upper.Y1 == upper.Y2) return;
    drawing.Lines.push_back(upper);
    if (upper.Y1 != 0 || upper.Y2 != 0)
        drawing.Lines.push_back({upper.X1, Mirrored(upper.Y1), upper.X2, Mirrored(upper.Y2)});
}

// The text's arcs run clockwise from start to end with y away from the axis, which is how a CAD
// shows them; a DXF arc runs counter-clockwise, so it goes from the end to the start. The mirror
// image turns the other way again.
void AddArc(TDxfDrawing& drawing, const TArcStatement& arc)
{
    const TArcCircle circle = ArcCircleOf(arc);
    const double cx = Millimetres(circle.CX);
    const double cy = Millimetres(circle.CY);
    const double radius = Millimetres(circle.Radius);
    if (!(radius > 0)) return;
    const double xs = Millimetres(arc.XS) - cx, ys = Millimetres(arc.YS) - cy;
    const double xe = Millimetres(arc.XE) - cx, ye = Millimetres(arc.YE) - cy;
    drawing.Arcs.push_back({cx, cy, radius, Degrees(ye, xe), Degrees(ys, xs)});
    drawing.Arcs.push_back({cx, Mirrored(cy), radius, Degrees(Mirrored(ys), xs), Degrees(Mirrored(ye), xe)});
}

// The axis spans the ends of every statement and runs a little past them.
struct TAxisExtent {
    double Left = INFINITY, Right = -INFINITY;

    void Include(long double x)
    {
        Left = std::min(Left, Millimetres(x));
        Right = std::max(Right, Millimetres(x));
    }
};

void AddStatement(TDxfDrawing& drawing, TAxisExtent& axis, const TStatement& statement)
{
    // A line of the bore is drawn as a line of the outline is.
    if (statement.Kind == TStatementKind::Line || statement.Kind == TStatementKind::Bore) {
        AddLine(drawing, statement.Line);
        axis.Include(statement.Line.X1);
        axis.Include(statement.Line.X2);
    }
    if (statement.Kind == TStatementKind::Arc) {
        AddArc(drawing, statement.Arc);
        axis.Include(statement.Arc.XS);
        axis.Include(statement.Arc.XE);
    }
}

void WriteHeader(DL_Dxf& dxf, DL_WriterA& writer)
{
    dxf.writeHeader(writer);
    writer.dxfString(9, "$INSUNITS");
    writer.dxfInt(70, 4); // millimetres
    writer.dxfString(9, "$MEASUREMENT");
    writer.dxfInt(70, 1); // metric
    writer.sectionEnd();
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& writer)
{
    writer.sectionTables();
    dxf.writeVPort(writer);
    // The ISO centre line: long dash, gap, short dash, gap (mm).
    double centre[] = {31.75, -6.35, 6.35, -6.35};
    writer.tableLinetypes(4);
    dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
    dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
    dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
    dxf.writeLinetype(writer, DL_LinetypeData("CENTER", "Center ____ _ ____ _ ____", 0, 4, 50.8, centre));
    writer.tableEnd();
    // Line weights in hundredths of a millimetre: a thick contour, a thin axis.
    writer.tableLayers(3);
    dxf.writeLayer(writer, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::white, -3, "CONTINUOUS", 1));
    dxf.writeLayer(writer, DL_LayerData(kContourLayer, 0), DL_Attributes("", DL_Codes::white, 50, "CONTINUOUS", 1));
    dxf.writeLayer(writer, DL_LayerData(kAxisLayer, 0), DL_Attributes("", DL_Codes::red, 25, "CENTER", 1));
    writer.tableEnd();
    writer.tableStyle(1);
    dxf.writeStyle(writer, DL_StyleData("Standard", 0, 0, 1, 0, 0, 2.5, "txt", ""));
    writer.tableEnd();
    dxf.writeView(writer);
    dxf.writeUcs(writer);
    writer.tableAppid(1);
    dxf.writeAppid(writer, "ACAD");
    writer.tableEnd();
    dxf.writeDimStyle(writer, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(writer);
    writer.tableEnd();
    writer.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, DL_WriterA& writer)
{
    writer.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space"}) {
        dxf.writeBlock(writer, DL_BlockData(name, 0, 0, 0, 0));
        dxf.writeEndBlock(writer, name);
    }
    writer.sectionEnd();
}

void WriteEntities(DL_Dxf& dxf, DL_WriterA& writer, const TDxfDrawing& drawing)
{
    const DL_Attributes contour(kContourLayer, DL_Codes::bylayer, -1, "BYLAYER", 1);
    const DL_Attributes axis(kAxisLayer, DL_Codes::bylayer, -1, "BYLAYER", 1);
    writer.sectionEntities();
    for (const TDxfLine& line : drawing.Lines)
        dxf.writeLine(writer, DL_LineData(line.X1, line.Y1, 0, line.X2, line.Y2, 0), contour);
    for (const TDxfArc& arc : drawing.Arcs)
        dxf.writeArc(writer, DL_ArcData(arc.CX, arc.CY, 0, arc.Radius, arc.StartAngle, arc.EndAngle), contour);
    const TDxfLine& a = drawing.Axis;
    dxf.writeLine(writer, DL_LineData(a.X1, a.Y1, 0, a.X2, a.Y2, 0), axis);
    writer.sectionEnd();
}

const QString kStagingFailure = "Cannot prepare the DXF file: %1";

} // namespace

TDxfDrawing ProfileDrawing(const QStringList& memo)
{
    TDxfDrawing drawing;
    TAxisExtent axis;
    for (const QString& text : memo) AddStatement(drawing, axis, ReadStatement(text));
    if (axis.Left > axis.Right) RaiseError("The drawing is empty: there is nothing to export.");
    drawing.Axis = {axis.Left - kAxisOverhang, 0, axis.Right + kAxisOverhang, 0};
    return drawing;
}

// dxflib writes only to a named file, so the file is staged in a private folder and read back.
QByteArray DxfBytes(const TDxfDrawing& drawing)
{
    QTemporaryDir folder;
    if (!folder.isValid()) RaiseError(kStagingFailure.arg(folder.errorString()));
    const QString path = folder.filePath("drawing.dxf");
    {
        DL_Dxf dxf;
        const std::unique_ptr<DL_WriterA> writer(dxf.out(QFile::encodeName(path).constData(), DL_Codes::AC1015));
        if (!writer) RaiseError(kStagingFailure.arg(path));
        WriteHeader(dxf, *writer);
        WriteTables(dxf, *writer);
        WriteBlocks(dxf, *writer);
        WriteEntities(dxf, *writer, drawing);
        dxf.writeObjects(*writer);
        dxf.writeObjectsEnd(*writer);
        writer->dxfEOF();
        writer->close();
    }
    QFile staged(path);
    if (!staged.open(QIODevice::ReadOnly)) RaiseError(kStagingFailure.arg(staged.errorString()));
    const QByteArray bytes = staged.readAll();
    // A write that failed on the way leaves the file short of its end mark.
    if (!bytes.trimmed().endsWith("EOF")) RaiseError(kStagingFailure.arg("the file is incomplete"));
    return bytes;
}

void WriteProfileDxf(const QString& fileName, const QStringList& memo)
{
    WriteWholeFile(fileName, DxfBytes(ProfileDrawing(memo)));
}
