// T(x) of a shaft with three elements given by power, and a set that does not balance.
#include "elements/torque_diagram.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

TMachineElement ByPower(long double position, long double power, TPowerFlow flow)
{
    TMachineElement element;
    element.Kind = TElementKind::BeltPulley;
    element.Position = position, element.GivenAsPower = true, element.Power = power, element.Flow = flow;
    return element;
}

// At 1000 rpm, T = 30000 P / (pi n): 10 kW in at 50 mm is 95.493 N*m; 4 kW out at 120 leaves
// 6 kW = 57.296 N*m; 6 kW out at 200 leaves nothing. Listed out of order on purpose.
TEST(TorqueDiagram, StepsFromTheLeftEnd)
{
    const TShaftDrive drive{1000, TShaftRotation::Clockwise};
    const std::vector<TTorqueStep> steps = TorqueSteps({ByPower(200, 6, TPowerFlow::Driven),
                                                        ByPower(50, 10, TPowerFlow::Driving),
                                                        ByPower(120, 4, TPowerFlow::Driven)},
                                                       drive);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].Position, 50);
    EXPECT_EQ(steps[1].Position, 120);
    EXPECT_EQ(steps[2].Position, 200);
    EXPECT_EQ(TorqueAt(steps, 49.9), 0);
    EXPECT_NEAR(TorqueAt(steps, 50), 95.493, 0.001);
    EXPECT_NEAR(TorqueAt(steps, 119.9), 95.493, 0.001);
    EXPECT_NEAR(TorqueAt(steps, 120), 57.296, 0.001);
    EXPECT_EQ(TorqueAt(steps, 200), 0);
    EXPECT_NEAR(LargestTorque(steps), 95.493, 0.001);

    // Two elements at one place make one step.
    const std::vector<TTorqueStep> shared = TorqueSteps({ByPower(50, 10, TPowerFlow::Driving),
                                                         ByPower(50, 4, TPowerFlow::Driven),
                                                         ByPower(90, 6, TPowerFlow::Driven)},
                                                        drive);
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_NEAR(shared[0].Torque, 57.296, 0.001);
}

// 10 kW in, 4 + 5 kW out: 1 kW at 1000 rpm, 9.54929658551372 N*m, is missing.
TEST(TorqueDiagram, UnbalancedSetIsRefusedWithItsSum)
{
    const QString failure = FailureOf([] {
        TorqueSteps({ByPower(50, 10, TPowerFlow::Driving), ByPower(120, 4, TPowerFlow::Driven),
                     ByPower(200, 5, TPowerFlow::Driven)},
                    {1000, TShaftRotation::CounterClockwise});
    });
    EXPECT_EQ(failure, "Momentele de torsiune ale elementelor nu se echilibreaza: suma lor este "
                       "9.54929658551372 N*m !");
}

} // namespace
