// A stand-in for the program's random numbers: draws that a test decides.
#pragma once

#include "common/random.h"

#include <QList>
#include <memory>

// Gives the numbers it was handed in turn, then the last one over and over.
class ScriptedDraws : public zeb::RandomSource
{
public:
    explicit ScriptedDraws(QList<double> values) : m_values(std::move(values)) {}
    double uniform() override
    {
        return m_next + 1 < m_values.size() ? m_values.at(m_next++) : m_values.last();
    }

private:
    QList<double> m_values;
    qsizetype m_next = 0;
};

// Puts the numbers in place of the program's draws.
inline void scriptDraws(QList<double> values)
{
    zeb::setRandomSource(std::make_unique<ScriptedDraws>(std::move(values)));
}
