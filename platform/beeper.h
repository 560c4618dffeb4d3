#pragma once
// The system's default beep, behind an interface so that tests can count beeps.

namespace nudgery {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// Sounds the desktop's default beep.
class SystemBeeper final : public Beeper {
public:
    void Beep() override;
};

} // namespace nudgery
