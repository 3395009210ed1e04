// TForm9: the solid out as a binary STL file in millimetres, for a 3D tool or a slicer.
#include "windows/view3d/tform9.h"

#include "analysis/analysis_state.h"
#include "common/errors.h"
#include "export/stl_export.h"
#include "scene/revolution_solid.h"

#include <QPushButton>

// In the row under the viewport, between the display options and the steps.
void TForm9::CreateExportButton()
{
    ExportStlButton = new QPushButton("Export STL...", this);
    ExportStlButton->setToolTip("Save the whole solid, a full turn at the current steps, as an STL file in millimetres");
    ExportStlButton->setGeometry(226, 474, 120, 24);
    AskStlFileName = [this] { return RunSaveDialog(this, "Export STL", "STL solid (*.stl)", "stl"); };
    connect(ExportStlButton, &QPushButton::clicked, this, Guarded(this, &TForm9::ExportStlButtonClick));
}

// An open profile is refused before the user picks a file.
void TForm9::ExportStlButtonClick()
{
    const std::vector<TStlTriangle> triangles = SolidTriangles(Analysis.ProfilePoints, RevolutionSolid1->Slices());
    const QString fileName = ExportFileName(AskStlFileName, "stl");
    if (!fileName.isEmpty()) WriteStl(fileName, triangles);
}
