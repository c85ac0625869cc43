#pragma once

namespace kelvad::platform {

// The system beep.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

}  // namespace kelvad::platform
