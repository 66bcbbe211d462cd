#include "gallop_pose.h"

#include "race/runner_livery.h"

#include <algorithm>
#include <cmath>

namespace galloria::horse {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCycle = kSpriteFrames; // one stride is the whole strip

// The point about which the body tips: the middle of the saddle.
const QPointF kSaddleCentre(55.0, 21.0);

// The fetlock's height while the hoof stands on the ground.
constexpr double kFetlockOnGround = kGroundY - 3.4;

// How one leg moves through the stride, in pixels relative to its pivot.
struct LegPlan {
    QPointF pivot;             // in the horse's own coordinates
    double upper = 0;          // pivot to knee or hock
    double lower = 0;          // knee or hock to fetlock
    bool jointForward = false; // the fore knee bends forward, the hock back
    double touchdown = 0;      // stride time (frames) the hoof meets the ground
    double stance = 0;         // frames it stays there
    double landX = 0;          // fetlock x at touchdown
    double liftX = 0;          // fetlock x at lift-off
    // The flight between lift-off and touchdown: three points passed at a
    // quarter, a half and three quarters of it.
    QPointF flight[3];
};

// A transverse gallop: far hind, near hind, far fore, near fore strike in
// turn, then the horse gathers its legs under it in the air. The near legs
// (the side we see) lead.
// clang-format off
const LegPlan kPlans[4] = {
    // near fore
    {QPointF(76.0, 27.0), 10.5, 8.6, true, 10.1, 3.4, 10.0, -8.0,
     {QPointF(-6.0, 11.0), QPointF(4.0, 6.5), QPointF(14.0, 11.0)}},
    // far fore
    {QPointF(73.0, 27.0), 10.5, 8.6, true, 8.8, 3.4, 9.0, -8.0,
     {QPointF(-6.0, 11.0), QPointF(4.0, 6.5), QPointF(13.0, 11.0)}},
    // near hind
    {QPointF(38.0, 29.0), 9.6, 9.2, false, 7.4, 3.6, 7.0, -11.0,
     {QPointF(-8.0, 9.5), QPointF(2.0, 8.0), QPointF(10.0, 11.5)}},
    // far hind
    {QPointF(35.0, 29.0), 9.6, 9.2, false, 6.4, 3.6, 6.0, -11.0,
     {QPointF(-8.0, 9.5), QPointF(2.0, 8.0), QPointF(10.0, 11.5)}},
};
// clang-format on

double Wrap(double t)
{
    const double r = std::fmod(t, kCycle);
    return r < 0 ? r + kCycle : r;
}

// The saddle offset at any stride time, between whole frames by a straight line.
QPointF OffsetAt(double t)
{
    t = Wrap(t);
    const int f0 = static_cast<int>(std::floor(t)) % kSpriteFrames;
    const int f1 = (f0 + 1) % kSpriteFrames;
    const double w = t - std::floor(t);
    return SaddleOffset(f0) * (1.0 - w) + SaddleOffset(f1) * w;
}

double PitchAt(double t)
{
    // Nose up while the hind legs drive, down as the forelegs take the weight.
    return 0.03 * std::sin(2.0 * kPi * (Wrap(t) - 5.5) / kCycle);
}

QPointF Rotate(QPointF v, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return QPointF(v.x() * c - v.y() * s, v.x() * s + v.y() * c);
}

QPointF BodyToSprite(QPointF local, QPointF offset, double pitch)
{
    return kSaddleCentre + Rotate(local - kSaddleCentre, pitch) + offset;
}

QPointF CatmullRom(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double u)
{
    const double u2 = u * u;
    const double u3 = u2 * u;
    return 0.5 * ((2.0 * p1) + (p2 - p0) * u + (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3) * u2 +
                  (3.0 * p1 - p0 - 3.0 * p2 + p3) * u3);
}

double Length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

// The fetlock relative to the pivot at stride time t, and whether the hoof
// is on the ground.
QPointF FetlockOf(const LegPlan& plan, double t, bool& onGround)
{
    auto groundRel = [&](double at) {
        return kFetlockOnGround - BodyToSprite(plan.pivot, OffsetAt(at), PitchAt(at)).y();
    };
    const double since = Wrap(t - plan.touchdown);
    if (since < plan.stance) {
        onGround = true;
        const double u = since / plan.stance;
        return QPointF(plan.landX + (plan.liftX - plan.landX) * u, groundRel(t));
    }
    onGround = false;
    const double flight = kCycle - plan.stance;
    const double u = (since - plan.stance) / flight; // 0 at lift-off, 1 at touchdown
    const QPointF points[5] = {QPointF(plan.liftX, groundRel(plan.touchdown + plan.stance)), plan.flight[0],
                               plan.flight[1], plan.flight[2],
                               QPointF(plan.landX, groundRel(plan.touchdown))};
    const double s = u * 4.0;
    const int i = std::min(3, static_cast<int>(s));
    const QPointF before = i == 0 ? points[0] * 2.0 - points[1] : points[i - 1];
    const QPointF after = i == 3 ? points[4] * 2.0 - points[3] : points[i + 2];
    return CatmullRom(before, points[i], points[i + 1], after, s - i);
}

LegPose PoseLeg(const LegPlan& plan, double t, QPointF offset, double pitch)
{
    LegPose leg;
    leg.pivot = BodyToSprite(plan.pivot, offset, pitch);
    QPointF fetlock = leg.pivot + FetlockOf(plan, t, leg.onGround);

    // Two bones reach the fetlock; beyond their length the leg is straight.
    QPointF reach = fetlock - leg.pivot;
    double d = Length(reach);
    const double longest = plan.upper + plan.lower - 0.05;
    const double shortest = std::abs(plan.upper - plan.lower) + 0.5;
    if (d > longest) {
        reach *= longest / d;
        d = longest;
    } else if (d < shortest) {
        reach = d > 1e-6 ? reach * (shortest / d) : QPointF(0.0, shortest);
        d = shortest;
    }
    fetlock = leg.pivot + reach;
    const double cosine =
        (plan.upper * plan.upper + d * d - plan.lower * plan.lower) / (2.0 * plan.upper * d);
    const double bend = std::acos(std::clamp(cosine, -1.0, 1.0));
    const QPointF along = reach / d;
    leg.joint = leg.pivot + Rotate(along, plan.jointForward ? -bend : bend) * plan.upper;
    leg.fetlock = fetlock;

    if (leg.onGround) {
        // The hoof stands flat, toe forward.
        leg.toe = QPointF(fetlock.x() + 2.2, kGroundY - 0.6);
    } else {
        // In the air the pastern folds back, most of all while the leg is
        // tucked; it straightens again to meet the ground.
        const double since = Wrap(t - plan.touchdown) - plan.stance;
        const double u = since / (kCycle - plan.stance);
        const double flex = std::sin(kPi * std::min(1.0, u * 1.25));
        const QPointF cannon = (fetlock - leg.joint) / Length(fetlock - leg.joint);
        leg.toe = fetlock + Rotate(cannon, -0.7 + 2.0 * flex) * 3.4;
    }
    return leg;
}

} // namespace

QPointF SaddleOffset(int frame)
{
    // The livery places the number on the saddle; its movement from frame 0
    // is the saddle's.
    const NumberPlacement rest = PlaceNumber(1, 0);
    const NumberPlacement now = PlaceNumber(1, frame);
    return QPointF(now.unitsLeft - rest.unitsLeft - kSpriteFrameWidth * frame, now.top - rest.top);
}

GallopPose PoseOfFrame(int frame)
{
    const double t = frame;
    GallopPose pose;
    pose.bodyOffset = SaddleOffset(frame);
    pose.pitch = PitchAt(t);
    // The head is carried low and stretched out; it nods down as the
    // forelegs take the weight (frames 0 to 2) and lifts as the hind legs
    // reach under.
    pose.neckAngle = 0.1 + 0.09 * std::cos(2.0 * kPi * (t - 1.2) / kCycle);
    pose.tailAngle = 0.16 * std::sin(2.0 * kPi * (t - 3.0) / kCycle);
    // The jockey's knees take up half the bounce.
    pose.riderOffset = QPointF(pose.bodyOffset.x(), pose.bodyOffset.y() * 0.5);
    for (int i = 0; i < 4; ++i)
        pose.legs[i] = PoseLeg(kPlans[i], t, pose.bodyOffset, pose.pitch);
    return pose;
}

} // namespace galloria::horse
