// The one source of random numbers: every draw of the program goes through it, so tests can seed
// it or put a source of their own in its place.
#pragma once

#include <QtGlobal>
#include <memory>

namespace zeb {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform number r with 0 <= r < 1.
    virtual double uniform() = 0;
};

RandomSource &randomSource();
void setRandomSource(std::unique_ptr<RandomSource> source);
// Makes the program's draws repeatable from here on.
void seedRandom(quint64 seed);

// floor(r * count) for a fresh r: a uniform index 0..count-1 (count > 0).
int drawIndex(int count);

} // namespace zeb
