// Camera moves in spherical coordinates about the target, and the matrices of the two projections.
#include "scene/camera.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

constexpr float kPoleMargin = 0.01f; // degrees kept between the camera and either pole
constexpr float kMinDistance = 0.05f;
constexpr float kMaxDistance = 1.0e4f;
// A focal length equal to this frame height sees about 53 degrees vertically.
constexpr float kFrameHeight = 50;

QVector3D FromSpherical(float distance, float elevation, float azimuth)
{
    const float e = qDegreesToRadians(elevation);
    const float a = qDegreesToRadians(azimuth);
    return {distance * std::cos(e) * std::sin(a), distance * std::sin(e), distance * std::cos(e) * std::cos(a)};
}

} // namespace

float Elevation(const QVector3D& offset)
{
    const float flat = std::hypot(offset.x(), offset.z());
    return qRadiansToDegrees(std::atan2(offset.y(), flat));
}

float TCamera::DistanceToTarget() const
{
    return (position_ - TargetPosition()).length();
}

void TCamera::MoveAroundTarget(float pitch, float turn)
{
    const QVector3D offset = position_ - TargetPosition();
    const float distance = offset.length();
    if (distance <= 0) return;
    const float elevation = Elevation(offset);
    const float azimuth = qRadiansToDegrees(std::atan2(offset.x(), offset.z()));
    // A camera already beyond the margin (placed there directly) may still move back from it.
    const float limit = std::max(90 - kPoleMargin, std::abs(elevation));
    const float raised = std::clamp(elevation + pitch, -limit, limit);
    position_ = TargetPosition() + FromSpherical(distance, raised, azimuth + turn);
}

void TCamera::AdjustDistanceToTarget(float factor)
{
    const QVector3D offset = position_ - TargetPosition();
    const float distance = offset.length();
    if (distance <= 0 || !(factor > 0)) return;
    const float scaled = std::clamp(distance * factor, kMinDistance, kMaxDistance);
    position_ = TargetPosition() + offset * (scaled / distance);
}

void TCamera::MoveTargetWithCamera(const QVector3D& offset)
{
    target_->Position += offset;
    position_ += offset;
}

QVector3D TCamera::HorizontalPan(float right, float forward) const
{
    QVector3D ahead = TargetPosition() - position_;
    ahead.setY(0);
    // Straight above or below the target the view has no horizontal direction: take the scene's -Z.
    ahead = ahead.lengthSquared() > 1e-12f ? ahead.normalized() : QVector3D(0, 0, -1);
    const QVector3D side = QVector3D::crossProduct(ahead, QVector3D(0, 1, 0));
    return side * right + ahead * forward;
}

QMatrix4x4 TCamera::ViewMatrix() const
{
    QMatrix4x4 view;
    view.lookAt(position_, TargetPosition(), QVector3D(0, 1, 0));
    return view;
}

QMatrix4x4 TCamera::ProjectionMatrix(float aspect) const
{
    const float nearPlane = DepthOfView / 1000;
    const float halfHeightPerDistance = kFrameHeight / 2 / FocalLength;
    QMatrix4x4 projection;
    if (Projection == TProjection::Perspective) {
        projection.perspective(2 * qRadiansToDegrees(std::atan(halfHeightPerDistance)), aspect, nearPlane, DepthOfView);
    } else {
        // The target keeps the size it has in perspective, so switching does not jump.
        const float halfHeight = halfHeightPerDistance * DistanceToTarget();
        const float halfWidth = halfHeight * aspect;
        const float centre = DistanceToTarget();
        projection.ortho(-halfWidth, halfWidth, -halfHeight, halfHeight, std::max(nearPlane, centre - DepthOfView / 2),
                         centre + DepthOfView / 2);
    }
    return projection;
}
