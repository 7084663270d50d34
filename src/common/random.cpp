#include "random.h"

#include <QRandomGenerator>
#include <algorithm>

namespace zeb {
namespace {

class GeneratorSource : public RandomSource
{
public:
    explicit GeneratorSource(const QRandomGenerator &generator) : m_generator(generator) {}
    double uniform() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

// Seeded once from the system's entropy, never from a clock: draws that follow each other within
// the same millisecond are as independent as any others.
std::unique_ptr<RandomSource> &current()
{
    static std::unique_ptr<RandomSource> source =
        std::make_unique<GeneratorSource>(QRandomGenerator::securelySeeded());
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
    const quint32 words[] = {quint32(seed), quint32(seed >> 32)};
    current() = std::make_unique<GeneratorSource>(QRandomGenerator(words, words + 2));
}

int drawIndex(int count)
{
    const int index = int(randomSource().uniform() * count);
    return std::clamp(index, 0, count - 1);
}

} // namespace zeb
