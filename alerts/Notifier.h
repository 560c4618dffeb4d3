#pragma once
// How a reminder that has fallen due reaches the user: its sound, and a notification that
// waits for the answer. The check cycle decides what a reminder asks for and what each answer
// does; the notifier only shows and asks.

#include <cstdint>
#include <string>

namespace nudgery {

class TReminder;

// How a notification came to its answer.
enum class AnswerWay : std::uint8_t {
    NoWindow,   // no notification was shown (the sound only, or nothing): answered 0
    Given,      // the user answered
    TimedOut,   // the notification answered by itself at its time-out
    Unanswered, // closed without an answer as the program ended
};

struct NotificationAnswer {
    // Ok, Delete, -N (remind again N minutes from now), 0 when no notification was shown;
    // any other code leaves the reminder as it was.
    int code = 0;
    AnswerWay way = AnswerWay::NoWindow;

    bool operator==(const NotificationAnswer&) const = default;
};

// What one notification offers and how it waits.
struct NotificationOptions {
    // Delete is offered only to one-time reminders.
    bool allowDelete = false;
    // After this many seconds (0 or less: never) the notification answers `timeoutAction`.
    int timeoutSeconds = 0;
    int timeoutAction = 0;
    // While it waits, the sound started for it plays again this many seconds after it has
    // ended; 0 or less: it plays once.
    int repeatSoundSeconds = 0;
};

class Notifier {
public:
    static constexpr int Ok = 1;
    static constexpr int Delete = 2;

    virtual ~Notifier() = default;

    // Starts the reminder's sound, when its file exists; it plays on through a notification
    // shown after it, whose answer stops it.
    virtual void PlaySound(const std::string& path) = 0;
    // Shows the reminder's message and returns the answer once given.
    virtual NotificationAnswer Show(const TReminder& reminder,
                                    const NotificationOptions& options) = 0;
    // Whether a notification is waiting for its answer.
    virtual bool Showing() const = 0;
    // Ends the notification now without an answer.
    virtual void CloseUnanswered() = 0;

    // Answered elsewhere (a desktop notification's action): the notification shown now ends
    // with `answer`, as a click on its button with that answer would end it. Nothing when
    // none is shown.
    virtual void AnswerShown(int answer) = 0;
    // Brings the notification shown now in front of the user; nothing when none is shown.
    virtual void BringShownForward() = 0;
};

} // namespace nudgery
