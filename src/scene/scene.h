// Everything a viewer draws: the camera, the lights, the spheres and the solids. The scene owns
// its objects and keeps each at one address for its whole life, so windows may hold pointers.
// The camera starts aimed at a pivot of its own at the origin.
#pragma once

#include "scene/camera.h"
#include "scene/revolution_solid.h"
#include "scene/scene_objects.h"

#include <QColor>
#include <deque>

class TScene {
public:
    TScene();
    TScene(const TScene&) = delete;
    TScene& operator=(const TScene&) = delete;

    TDummyCube* AddDummyCube() { return &pivots_.emplace_back(); }
    TLightSource* AddLight() { return &lights_.emplace_back(); }
    TSphere* AddSphere() { return &spheres_.emplace_back(); }
    TRevolutionSolid* AddRevolutionSolid() { return &solids_.emplace_back(); }

    TCamera* Camera() { return &camera_; }
    const TCamera* Camera() const { return &camera_; }

    const std::deque<TLightSource>& Lights() const { return lights_; }
    const std::deque<TSphere>& Spheres() const { return spheres_; }
    const std::deque<TRevolutionSolid>& Solids() const { return solids_; }

    QColor Background{40, 46, 58};

private:
    std::deque<TDummyCube> pivots_;
    std::deque<TLightSource> lights_;
    std::deque<TSphere> spheres_;
    std::deque<TRevolutionSolid> solids_;
    TCamera camera_;
};
