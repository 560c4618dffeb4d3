#pragma once
// The desktop's leave for a program to bring a window in front of the user's work. On
// Wayland a window may take the keyboard only with an activation token, which the desktop
// gives a program it starts (xdg-activation); a later copy of the program hands its token to
// the running copy, whose window then comes forward with it.

#include <QString>

namespace nudgery {

// The token the desktop started this program with; empty when it gave none.
QString StartupActivationToken();
// The next window activation of this program presents `token`, where the platform takes
// tokens; nothing for an empty one.
void UseActivationToken(const QString& token);

} // namespace nudgery
