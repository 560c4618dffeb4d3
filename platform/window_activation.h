#pragma once
// The desktop's leave for a program to bring a window in front of the user's work. On
// Wayland a window may take the keyboard only with an activation token, which the desktop
// gives a program it starts (xdg-activation); a later copy of the program hands its token to
// the running copy, whose window then comes forward with it.

#include <QString>
#include <QtGlobal>

namespace nudgery {

// Where the desktop's launcher puts the token, and where Qt's Wayland platform takes it from
// (and removes it) at the next activation request.
inline constexpr char ActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";

// The token the desktop started this program with; empty when it gave none. Read without a
// display, so that a command can hand it on.
inline QString StartupActivationToken() {
    return qEnvironmentVariable(ActivationTokenVariable);
}
// The next window activation of this program presents `token`, where the platform takes
// tokens; nothing for an empty one.
void UseActivationToken(const QString& token);

} // namespace nudgery
