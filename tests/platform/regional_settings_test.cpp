#include "platform/regional_settings.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <ostream>

namespace nudgery {
namespace {

struct LocaleCase {
    const char* locale;
    const char* shortDate;
    const char* longDate;
    const char* shortTime;
    const char* dateSeparator;
    const char* timeSeparator;
};

// Names the case in test names and failure messages by its locale.
void PrintTo(const LocaleCase& c, std::ostream* out) {
    *out << c.locale;
}

class RegionalSettingsTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(RegionalSettingsTest, TranslatesFormatsIntoTheProgramsLetters) {
    const auto& expected = GetParam();
    const auto settings = RegionalSettingsFromLocale(QLocale(QString::fromUtf8(expected.locale)));
    EXPECT_EQ(settings.shortDateFormat, expected.shortDate);
    EXPECT_EQ(settings.longDateFormat, expected.longDate);
    EXPECT_EQ(settings.shortTimeFormat, expected.shortTime);
    EXPECT_EQ(settings.dateSeparator, expected.dateSeparator);
    EXPECT_EQ(settings.timeSeparator, expected.timeSeparator);
}

// Qt's own formats for these: en_US "M/d/yy", "dddd, MMMM d, yyyy", "h:mm AP"; de_DE
// "dd.MM.yy", "dddd, d. MMMM yyyy", "HH:mm"; en_GB "dd/MM/yyyy", "dddd, d MMMM yyyy",
// "HH:mm"; fi_FI "d.M.yyyy", "dddd d. MMMM yyyy", "H.mm"; es_ES "d/M/yy",
// "dddd, d 'de' MMMM 'de' yyyy", "H:mm"; bg_BG "d.MM.yy 'г'.", "dddd, d MMMM yyyy 'г'.",
// "H:mm 'ч'.".
INSTANTIATE_TEST_SUITE_P(
    Locales, RegionalSettingsTest,
    ::testing::Values(LocaleCase{"en_US", "m/d/yy", "dddd, mmmm d, yyyy", "h:nn ampm", "/", ":"},
                      LocaleCase{"de_DE", "dd/mm/yy", "dddd, d. mmmm yyyy", "hh:nn", ".", ":"},
                      LocaleCase{"en_GB", "dd/mm/yyyy", "dddd, d mmmm yyyy", "hh:nn", "/", ":"},
                      LocaleCase{"fi_FI", "d/m/yyyy", "dddd d. mmmm yyyy", "h.nn", ".", "."},
                      // Quoted words stay literal, so their letters are not read as fields.
                      LocaleCase{"es_ES", "d/m/yy", "dddd, d \"de\" mmmm \"de\" yyyy", "h:nn", "/",
                                 ":"},
                      LocaleCase{"bg_BG", "d/mm/yy \"г\"/", "dddd, d mmmm yyyy \"г\".",
                                 "h:nn \"ч\".", ".", ":"}));

TEST(RegionalSettings, NamesCountWeekdaysFromSunday) {
    const auto german = RegionalSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.longDayNames[0], "Sonntag");
    EXPECT_EQ(german.longDayNames[1], "Montag");
    EXPECT_EQ(german.longDayNames[6], "Samstag");
    EXPECT_EQ(german.longMonthNames[0], "Januar");
    EXPECT_EQ(german.longMonthNames[2], "März");
    EXPECT_EQ(german.longMonthNames[11], "Dezember");

    const auto british =
        RegionalSettingsFromLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(british.shortDayNames[0], "Sun");
    EXPECT_EQ(british.shortMonthNames[0], "Jan");
    EXPECT_EQ(british.longMonthNames[8], "September");
    EXPECT_EQ(british.amString, "am");
    EXPECT_EQ(british.pmString, "pm");
}

TEST(RegionalSettings, QuotedTextAndLettersWithoutMeaningStayLiteral) {
    // Japanese puts year, month and day marks between the fields and none of them is a
    // separator character; the long format must keep them as they are.
    const auto japanese = RegionalSettingsFromLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(japanese.longDateFormat, "yyyy年m月d日dddd");
    EXPECT_EQ(japanese.shortDateFormat, "yyyy/mm/dd");
    EXPECT_EQ(japanese.amString, "午前");
}

} // namespace
} // namespace nudgery
