#pragma once
// The program's bus signals: each reminder that falls due, and its answer, told on the
// session bus to whoever listens.

#include "CycleObserver.h"

namespace nudgery {

class CommandBus;

class BusSignals final : public CycleObserver {
public:
    explicit BusSignals(CommandBus& bus) : bus_(bus) {}

    void FellDue(const TReminder& reminder, ListKind list, TDateTime now) override;
    void Answered(const TReminder& reminder, ListKind list,
                  const NotificationAnswer& answer) override;

private:
    CommandBus& bus_;
};

} // namespace nudgery
