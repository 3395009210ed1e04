// The camera: a position aimed at a target pivot, moved around it, towards it and with it, and
// the view and projection matrices that follow from it.
#pragma once

#include "scene/scene_objects.h"

#include <QMatrix4x4>
#include <QVector3D>

enum class TProjection { Perspective, Orthogonal };

// The camera's up is the scene's +Y. Orbiting keeps the camera a little short of the poles, so
// the view never flips over the top nor loses its up direction.
class TCamera {
public:
    explicit TCamera(TDummyCube* target) : target_(target) {}

    QVector3D Position() const { return position_; }
    void SetPosition(const QVector3D& position) { position_ = position; }
    QVector3D TargetPosition() const { return target_->Position; }
    TDummyCube* Target() const { return target_; }
    void SetTarget(TDummyCube* target) { target_ = target; }

    float DistanceToTarget() const;
    // Raises the camera by `pitch` degrees of elevation and turns it `turn` degrees about the
    // vertical through the target (positive turns counter-clockwise seen from above).
    void MoveAroundTarget(float pitch, float turn);
    // Multiplies the distance to the target by `factor`, within limits that keep the view usable.
    void AdjustDistanceToTarget(float factor);
    // Moves the target by `offset` and the camera with it.
    void MoveTargetWithCamera(const QVector3D& offset);
    // The horizontal offset of the target for a screen offset: `right` along the horizontal that
    // is square to the view, `forward` along the view direction laid flat.
    QVector3D HorizontalPan(float right, float forward) const;

    TProjection Projection = TProjection::Perspective;
    float FocalLength = 50;
    float DepthOfView = 100;

    QMatrix4x4 ViewMatrix() const;
    QMatrix4x4 ProjectionMatrix(float aspect) const;

private:
    TDummyCube* target_;
    QVector3D position_{6, 6, 10};
};

// The elevation of the offset above the horizontal plane, in degrees.
float Elevation(const QVector3D& offset);
