#pragma once
// Opening a web address in the user's browser.

#include <QString>

namespace nudgery {

class Shell {
public:
    virtual ~Shell() = default;
    // Asks the desktop to open the address; whether it did is not reported.
    virtual void OpenWebAddress(const QString& address) = 0;
};

class DesktopShell final : public Shell {
public:
    void OpenWebAddress(const QString& address) override;
};

} // namespace nudgery
