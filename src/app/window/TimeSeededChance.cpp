#include "app/window/TimeSeededChance.h"

#include <QTime>

void TimeSeededChance::seedFromTimeOfDay()
{
    m_engine.seed(std::mt19937::result_type(QTime::currentTime().msecsSinceStartOfDay() / 1000));
}

double TimeSeededChance::nextFraction()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}
