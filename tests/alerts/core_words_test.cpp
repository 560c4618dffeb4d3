// The core's English texts as the windows show them: unchanged in English, and in German
// phrase by phrase, with the parts a phrase holds (numbers, times, other phrases) in place.
#include "alerts/CoreWords.h"
#include "core/calendar_import.h"
#include "core/dayspec.h"
#include "core/history_entry.h"
#include "core/reminder.h"
#include "support/qt_printers.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nudgery {
namespace {

HistoryEntry Entry(HistoryOutcome outcome, std::int32_t result) {
    HistoryEntry entry;
    entry.outcome = outcome;
    entry.result = result;
    return entry;
}

// The core's texts of each kind the windows show, as the core writes them.
std::vector<std::string> CoreTexts() {
    return {
        "Pending",
        "Not Today",
        IntervalText(30) + " until 5:00pm",
        IntervalText(60),
        IntervalText(90),
        IntervalText(120),
        DescribeDaySpec(EncodeNthWeekday(1, 2, 3)),
        DescribeDaySpec(EncodeNthWeekday(5, 7, 0)),
        DescribeDaySpec(EncodeDayOfMonth(22, 12)),
        DescribeDaySpec(EncodeDayOfYear(74)),
        DescribeDaySpec("12345"),
        AnswerText(Entry(HistoryOutcome::TimedOut, -10)),
        AnswerText(Entry(HistoryOutcome::Answered, -60)),
        AnswerText(Entry(HistoryOutcome::Missed, 2)),
        AnswerText(Entry(HistoryOutcome::Unanswered, 0)),
        ListText(ListKind::OneTime),
        "and 3 more until 5:00pm",
        "Today at 9:30am",
        "Weekdays at 9:00am, every 30 min",
        // Not a phrase of the core's: a date as the regional settings write it.
        "Mar 14, 2027 10:30am",
    };
}

// An import of two one-time reminders and a repeating one, with one entry refused and one
// imported before.
ImportPlan SomePlan() {
    ImportPlan plan;
    plan.reminders.resize(3);
    plan.reminders[2].list = ListKind::Repeating;
    plan.refused.push_back({"Board meeting", "no alarm"});
    plan.importedBefore = 1;
    return plan;
}

TEST(CoreWords, EnglishIsShownAsTheCoreWritesIt) {
    EXPECT_EQ(CoreSentences(PlanSummary(SomePlan())),
              QString::fromStdString(PlanSummary(SomePlan())));
    for (const std::string& text : CoreTexts())
        EXPECT_EQ(CoreText(text), QString::fromStdString(text)) << text;
    for (const char* code : {"135", "0123456", "06", "246"})
        EXPECT_EQ(DaySpecWords(code), QString::fromStdString(DescribeDaySpec(code))) << code;
}

TEST(CoreWords, GermanTranslatesEachPhraseAndKeepsItsParts) {
    QTranslator german;
    ASSERT_TRUE(
        german.load(QStringLiteral("nudgery_de"), QStringLiteral(NUDGERY_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&german);
    const std::vector<QString> expected = {
        "Offen",
        "Nicht heute",
        "30 Min. bis 5:00pm",
        "stündlich",
        "1 Std. 30 Min.",
        "2 Std.",
        "2. Di/Mär",
        "Letzter Tag jedes Monats",
        "22. Dez",
        "74. Tag im Jahr",
        "Werktags",
        "Zeit abgelaufen: Verschoben um 10 Minuten",
        "Verschoben um 1 Stunde",
        "Verpasst, und 2 weitere an dem Tag",
        "Am Ende unbeantwortet",
        "Einmalig",
        "und 3 weitere bis 5:00pm",
        "Heute um 9:30am",
        "Werktags um 9:00am, alle 30 Min.",
        "Mar 14, 2027 10:30am",
    };
    const std::vector<std::string> texts = CoreTexts();
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(CoreText(texts[i]), expected[i]) << texts[i];
    EXPECT_EQ(CoreSentences(PlanSummary(SomePlan())),
              QStringLiteral("2 einmalige Erinnerungen und 1 wiederholte Erinnerung werden "
                             "hinzugefügt. 1 Eintrag kann nicht übernommen werden. 1 Erinnerung "
                             "wurde schon früher importiert und bleibt weg."));
    EXPECT_EQ(CoreSentences(PlanSummary({})), QStringLiteral("Es wird nichts hinzugefügt."));
    // Days picked one by one, with the German initials of Sunday to Saturday.
    EXPECT_EQ(DaySpecWords("135"), QStringLiteral("An Tagen: MMF"));
    EXPECT_EQ(DaySpecWords("06"), QStringLiteral("Wochenende"));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(CoreText("Pending"), QStringLiteral("Pending"));
}

} // namespace
} // namespace nudgery
