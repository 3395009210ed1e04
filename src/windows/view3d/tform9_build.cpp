// The 3D build, shared by the editor's 3D button and the navigation panel's "3D model".
#include "windows/view3d/tform9_build.h"

#include "analysis/analysis_state.h"
#include "profile/profile_points.h"
#include "windows/editor/tform7.h"
#include "scene/revolution_solid.h"
#include "scene/scene_viewer.h"
#include "profile/revolution_nodes.h"
#include "windows/view3d/tform9.h"

void Build3DModel(QStringList& memo, uint8_t arcSteps)
{
    // The export writes the points of the solid on screen, so they change only with the nodes.
    TModel points;
    ExtractProfilePoints(memo, points, arcSteps);
    const long double span = ProfileSpanOf(points);
    std::vector<QVector3D> nodes = ProfileNodes(points, span);
    Analysis.ProfilePoints = std::move(points);
    Analysis.ProfileSpan = span;
    Form9->RevolutionSolid1->SetNodes(std::move(nodes));
    Form7->hide();
    Form9->show();
    Form9->raise();
    Form9->activateWindow();
    if (Form9->GLSceneViewer1) Form9->GLSceneViewer1->setFocus();
}
