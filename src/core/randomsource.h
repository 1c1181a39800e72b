#pragma once

#include <memory>

namespace lumetra {

// Uniform numbers in [0, 1). A pick over n entries is floor(next() × n).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;

    int pick(int n)
    {
        if (n <= 0)
            return 0;
        const int i = static_cast<int>(next() * n);
        return i < n ? i : n - 1;
    }

    // The program's source, seeded once from the clock.
    static std::unique_ptr<RandomSource> clockSeeded();
};

} // namespace lumetra
