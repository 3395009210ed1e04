#include "analysis/torque_line.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

QString TorquesUnbalancedText(long double sum)
{
    return QStringLiteral("Momentele de torsiune ale elementelor nu se echilibreaza: suma lor este %1 N*m !")
        .arg(FloatToStr(sum));
}

long double TorqueAt(const std::vector<TTorqueStep>& steps, long double x)
{
    long double torque = 0;
    for (const TTorqueStep& step : steps) {
        if (step.Position > x) break;
        torque = step.Torque;
    }
    return torque;
}

long double LargestTorque(const std::vector<TTorqueStep>& steps)
{
    long double largest = 0;
    for (const TTorqueStep& step : steps) largest = std::max(largest, std::abs(step.Torque));
    return largest;
}
