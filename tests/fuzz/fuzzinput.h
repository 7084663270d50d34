// Turns a fuzzer's bytes into what the exercise logic takes: small numbers first, then text.
#pragma once

#include <QString>
#include <cstdint>
#include <cstdlib>

struct FuzzInput
{
    const uint8_t *data;
    size_t size;

    // The next byte, or 0 once the input is used up.
    uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    int32_t number()
    {
        uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n = n << 8 | byte();
        return int32_t(n);
    }
    // The rest as UTF-8 (invalid sequences become replacement characters), or as raw UTF-16
    // units when the flag byte is odd, so that lone surrogates come through too.
    QString text()
    {
        const bool utf16 = byte() & 1;
        const auto *chars = reinterpret_cast<const char *>(data);
        const QString out = utf16 ? QString::fromUtf16(reinterpret_cast<const char16_t *>(data),
                                                       qsizetype(size / 2))
                                  : QString::fromUtf8(chars, qsizetype(size));
        size = 0;
        return out;
    }
};

// A property of the logic that does not hold: the fuzzer reports it as a crash.
inline void require(bool holds)
{
    if (!holds)
        std::abort();
}
