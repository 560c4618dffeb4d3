#pragma once
// How a reminder that has fallen due reaches the user: its sound, and a notification that
// waits for the answer. The check cycle decides what a reminder asks for and what each answer
// does; the notifier only shows and asks.

#include <string>

namespace nudgery {

class TReminder;

class Notifier {
public:
    // Answers that Show gives. Any negative -N: remind again N minutes from now. Any other
    // answer (the notification closed unanswered as the program ends, or a time-out action
    // from a hand-edited settings file) leaves the reminder as it was.
    static constexpr int Ok = 1;
    static constexpr int Delete = 2;

    virtual ~Notifier() = default;

    // Starts the reminder's sound, when its file exists; it plays on through a notification
    // shown after it, whose answer stops it.
    virtual void PlaySound(const std::string& path) = 0;
    // Shows the reminder's message and returns the answer once given. Delete is offered only
    // when `allowDelete`. After `timeoutSeconds` (0 or less: never) the notification answers
    // `timeoutAction` by itself.
    virtual int Show(const TReminder& reminder, bool allowDelete, int timeoutSeconds,
                     int timeoutAction) = 0;
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
