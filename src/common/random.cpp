#include "random.h"

#include <algorithm>
#include <random>

namespace zeb {
namespace {

// Seeded once from the system's entropy, never from a clock: draws that follow each other within
// the same millisecond are as independent as any others.
class MersenneSource : public RandomSource
{
public:
    MersenneSource()
    {
        std::random_device device;
        std::seed_seq seeds{device(), device(), device(), device()};
        m_engine.seed(seeds);
    }
    explicit MersenneSource(quint64 seed) : m_engine(seed) {}

    double uniform() override
    {
        // The top 53 bits fill a double's mantissa exactly, so the result never reaches 1.
        return double(m_engine() >> 11) * 0x1.0p-53;
    }

private:
    std::mt19937_64 m_engine;
};

std::unique_ptr<RandomSource> &current()
{
    static std::unique_ptr<RandomSource> source = std::make_unique<MersenneSource>();
    return source;
}

} // namespace

RandomSource &randomSource()
{
    return *current();
}

void setRandomSource(std::unique_ptr<RandomSource> source)
{
    if (source)
        current() = std::move(source);
}

void seedRandom(quint64 seed)
{
    current() = std::make_unique<MersenneSource>(seed);
}

int drawIndex(int count)
{
    const int index = int(randomSource().uniform() * count);
    return std::clamp(index, 0, count - 1);
}

} // namespace zeb
