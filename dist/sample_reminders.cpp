// Writes a data file of everyday reminders for the pictures of the program: one-time
// reminders done, expired, due a few seconds after the program starts (so a notification
// shows), later today and on later days; and repeating reminders of each kind of day
// rule. Times are relative to now, so the lists look alike whenever they are made.
// Usage: sample_reminders <data file>
#include "core/dayspec.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace nudgery;

// `minutes` from now, on the minute (the program shows no seconds).
TDateTime MinutesFromNow(const Clock& clock, int minutes) {
    return std::floor(AddMinutes(minutes, clock.Now()) * 1440.0) / 1440.0;
}

std::unique_ptr<TReminder> OneTime(TDateTime when, const char* text, std::uint8_t status) {
    auto reminder = TReminder::CreateNormal(KindOneTime, when, text, "", EventShowAndPlay);
    reminder->Status = status;
    return reminder;
}

std::unique_ptr<TReminder> Repeating(std::string daySpec, TDateTime first, int everyMinutes,
                                     TDateTime until, const char* text) {
    return TReminder::CreateRepeating(KindRepeating, first, until != 0, until, std::move(daySpec),
                                      everyMinutes, text, "", EventShowAndPlay);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data file>\n", argv[0]);
        return 2;
    }
    // The clock watches the time-zone files, which takes an application object.
    const QCoreApplication application(argc, argv);
    const SystemClock clock;
    const TDateTime today = clock.Today();
    std::vector<std::unique_ptr<TReminder>> oneTime;
    oneTime.push_back(
        OneTime(today - 2 + EncodeTime(10, 0), "Send the quarterly VAT return", StatusExpired));
    oneTime.push_back(
        OneTime(MinutesFromNow(clock, -150), "Water the plants on the balcony", StatusDone));
    // Due at once: the first check, five seconds after the start, shows it. Only the
    // message, so that the pictures need no sound.
    auto dueNow = TReminder::CreateNormal(KindOneTime, clock.Now(),
                                          "Call Mum back about Sunday lunch", "", EventShowOnly);
    oneTime.push_back(std::move(dueNow));
    oneTime.push_back(OneTime(MinutesFromNow(clock, 190),
                              "Dentist appointment - bring the insurance card", StatusPending));
    oneTime.push_back(
        OneTime(today + 1 + EncodeTime(17, 30), "Pick up the dry cleaning", StatusNotToday));
    oneTime.push_back(
        OneTime(today + 12 + EncodeTime(9, 0), "Renew the car insurance", StatusNotToday));

    std::vector<std::unique_ptr<TReminder>> repeating;
    repeating.push_back(
        Repeating("12345", EncodeTime(9, 0), 60, EncodeTime(17, 0), "Stand up and stretch"));
    repeating.push_back(Repeating("0123456", EncodeTime(8, 0), 0, 0, "Take your vitamins"));
    repeating.push_back(Repeating("2", EncodeTime(19, 30), 0, 0, "Put the bins out"));
    repeating.push_back(Repeating(EncodeDayOfMonth(1, 0), EncodeTime(9, 0), 0, 0, "Pay the rent"));
    repeating.push_back(
        Repeating(EncodeNthWeekday(1, 4, 0), EncodeTime(18, 30), 0, 0, "Book club at the library"));
    repeating.push_back(Repeating(EncodeDayOfMonth(14, 5), EncodeTime(8, 30), 0, 0,
                                  "Mum's birthday - send flowers"));

    std::vector<const TReminder*> oneTimeView, repeatingView;
    for (const auto& r : oneTime)
        oneTimeView.push_back(r.get());
    for (const auto& r : repeating)
        repeatingView.push_back(r.get());
    try {
        DataFileStore(QString::fromLocal8Bit(argv[1])).Save(oneTimeView, repeatingView);
    } catch (const DataFileError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
