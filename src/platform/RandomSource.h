#pragma once

namespace kelvad::platform {

// The random numbers that place the men, the civilian and the bonus plates.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // A value uniform in [0, 1).
    virtual double next() = 0;
};

}  // namespace kelvad::platform
