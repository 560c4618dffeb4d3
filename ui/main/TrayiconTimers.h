#pragma once
// The tray icon's timers: one system timer shared by any number of timer items (the
// animation, the double-click wait, the pointer-exit check). It runs at most every 150 ms,
// faster when an item needs it, and not at all while no item is enabled, so a still tray
// icon adds no wake-up to the idle program.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace nudgery {

class Clock;
class TTimerManager;

// Milliseconds.
using TTimerInterval = int;

class TTimerItem {
public:
    TTimerItem(const TTimerItem&) = delete;
    TTimerItem& operator=(const TTimerItem&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TTimerInterval Interval() const { return interval_; }
    // Takes effect at once while the item is enabled.
    void SetInterval(TTimerInterval interval);

    std::function<void()> OnTimer;

private:
    friend class TTimerManager;
    explicit TTimerItem(TTimerManager& manager) : manager_(manager) {}

    TTimerManager& manager_;
    bool enabled_ = false;
    TTimerInterval interval_ = 1000;
    // The tick count at the item's last restart or firing.
    std::uint32_t lastTick_ = 0;
};

class TTimerManager : public QObject {
    Q_OBJECT
public:
    static constexpr TTimerInterval LongestTick = 150;

    explicit TTimerManager(const Clock& clock, QObject* parent = nullptr);
    ~TTimerManager() override;

    // A new item, owned by the manager for its whole life.
    TTimerItem& AddTimer(bool enabled, TTimerInterval interval, std::function<void()> handler);

    bool Enabled() const { return enabled_; }
    // A disabled manager fires nothing; enabling it restarts the counting of every item.
    void SetEnabled(bool enabled);

    // Restarts the counting of every running item and sets the system timer to the
    // shortest of their intervals, at most LongestTick; stops it when no item runs.
    void Recalculate();
    // One beat of the system timer: fires, in creation order, every running item whose
    // interval has passed.
    void ManagerTick();

    // The system timer, for a look from tests.
    bool IsTicking() const { return timer_.isActive(); }
    TTimerInterval TickInterval() const { return timer_.interval(); }

private:
    static bool Runs(const TTimerItem& item) { return item.enabled_ && item.OnTimer; }

    const Clock& clock_;
    std::vector<std::unique_ptr<TTimerItem>> items_;
    QTimer timer_;
    bool enabled_ = true;
};

} // namespace nudgery
