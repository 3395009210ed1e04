// A scene and the pivot its camera aims at.
#include "scene/scene.h"

TScene::TScene() : camera_(&pivots_.emplace_back()) {}

