#include "TrayiconTimers.h"

#include "core/clock.h"

#include <algorithm>

namespace nudgery {

void TTimerItem::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    manager_.Recalculate();
}

void TTimerItem::SetInterval(TTimerInterval interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    if (enabled_)
        manager_.Recalculate();
}

TTimerManager::TTimerManager(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    connect(&timer_, &QTimer::timeout, this, &TTimerManager::ManagerTick);
}

TTimerManager::~TTimerManager() = default;

TTimerItem& TTimerManager::AddTimer(bool enabled, TTimerInterval interval,
                                    std::function<void()> handler) {
    // The item is not Recalculate()d through its setters: the handler comes last.
    auto item = std::unique_ptr<TTimerItem>(new TTimerItem(*this));
    item->enabled_ = enabled;
    item->interval_ = interval;
    item->OnTimer = std::move(handler);
    items_.push_back(std::move(item));
    if (enabled)
        Recalculate();
    return *items_.back();
}

void TTimerManager::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled_)
        Recalculate();
    else
        timer_.stop();
}

void TTimerManager::Recalculate() {
    if (!enabled_)
        return;
    timer_.stop();
    const std::uint32_t now = clock_.TickCount();
    TTimerInterval shortest = LongestTick;
    bool anyRuns = false;
    for (const auto& item : items_) {
        if (!Runs(*item))
            continue;
        anyRuns = true;
        item->lastTick_ = now;
        shortest = std::min(shortest, item->interval_);
    }
    if (anyRuns)
        timer_.start(shortest);
}

void TTimerManager::ManagerTick() {
    if (!enabled_)
        return;
    // By index: a handler may add items. The difference of two tick counts is taken in
    // unsigned arithmetic, so an item keeps firing when the tick count wraps after 49 days.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TTimerItem& item = *items_[i];
        if (!Runs(item))
            continue;
        const std::uint32_t elapsed = clock_.TickCount() - item.lastTick_;
        if (static_cast<std::int64_t>(item.interval_) > static_cast<std::int64_t>(elapsed))
            continue;
        item.OnTimer();
        item.lastTick_ = clock_.TickCount();
    }
}

} // namespace nudgery
