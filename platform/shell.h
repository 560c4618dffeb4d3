#pragma once
// Opening a web address in the user's browser.

#include <QString>

namespace nudgery {

class Shell {
public:
    virtual ~Shell() = default;
    // Asks the desktop to open the address; false when no browser could be started.
    virtual bool OpenWebAddress(const QString& address) = 0;
};

class DesktopShell final : public Shell {
public:
    bool OpenWebAddress(const QString& address) override;
};

} // namespace nudgery
