// The program's windows in each of its languages: every caption whole in its control, and
// English (LANG=C, or a language the program does not have) exactly as written.
#include "app/translations.h"
#include "core/calendar_import.h"
#include "main_settings_fixture.h"
#include "platform/history_journal.h"
#include "support/captions_fit.h"
#include "ui/editors/Editex.h"
#include "ui/editors/EditorServices.h"
#include "ui/editors/Editrep.h"
#include "ui/editors/Settd.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/ImportPreview.h"

#include <QAction>
#include <QMenuBar>
#include <functional>

namespace nudgery::testing {
namespace {

const QString TranslationsFolder = QStringLiteral(NUDGERY_TRANSLATIONS_DIR);

class TranslatedWindows : public MainSettingsTest {
protected:
    EditorServices Editors() {
        return {clock, formats, messages, help, sound, files, Folder(), [](QWidget&) {}};
    }

    // Runs `look` on every window the program shows, each made anew.
    void LookAtEveryWindow(const std::function<void(const QWidget&)>& look) {
        LookAtTheMainWindows(look, [&](TMainForm& f) {
            TEditAlarmExact oneTime(Editors());
            look(oneTime);
            TEditAlarmRepeating repeating(Editors());
            // The choices that show the ending time and its row.
            repeating.SetRepeatMinutes(30);
            repeating.SetHasUntil(true);
            look(repeating);
            look(TSetTimeDialog(formats, help));
            HistoryJournal journal(Folder() + QStringLiteral("Looked-at.history"), clock.Now(),
                                   [](const QString&) {});
            look(THistoryWindow(journal, formats, clock));
            ImportPlan plan;
            plan.refused.push_back({"Board meeting", "no alarm"});
            plan.notes.push_back("A note");
            look(TImportPreview(plan, QStringLiteral("/home/user/calendar.ics"), formats, &f));
        });
    }
};

// "C" stands for LANG=C: the program's own English.
class EveryLanguage : public TranslatedWindows,
                      public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryLanguage, EveryCaptionIsWholeInItsControl) {
    const QString language = QString::fromLatin1(GetParam());
    const ProgramTranslations translations(TranslationsFolder, {language});
    ASSERT_EQ(translations.Language(), language == QLatin1String("C") ? QString() : language)
        << "the translation is built in " << TranslationsFolder.toStdString();
    int windows = 0;
    LookAtEveryWindow([&](const QWidget& window) {
        ++windows;
        EXPECT_EQ(CaptionsThatDoNotFit(window), QStringList())
            << window.objectName().toStdString() << " in " << GetParam();
    });
    EXPECT_EQ(windows, 10);
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::Values("C", "de", "fr"));

// What a window shows for a few texts of the program, to tell which language it speaks.
QStringList SomeTexts(TMainForm& f, const QWidget& notification) {
    return {f.windowTitle(), f.menuBar()->actions().at(0)->text(),
            Find<QPushButton>(f, "AddAlarmButton").text(),
            Find<QPushButton>(f, "Exitbutton").text(), notification.windowTitle()};
}

TEST_F(TranslatedWindows, EnglishIsTheProgramsOwnWordsWhateverTheLanguageIsCalled) {
    const QStringList english = {QStringLiteral("Nudgery!"), QStringLiteral("&File"),
                                 QStringLiteral("&New"), QStringLiteral("E&xit"),
                                 QStringLiteral("Reminder Notification")};
    // LANG=C, English by name, and languages the program has no translation for, even
    // before one it has: English comes first.
    const QStringList firstChoices[] = {{QStringLiteral("C")},
                                        {QStringLiteral("en-GB"), QStringLiteral("de")},
                                        {QStringLiteral("pt-BR"), QStringLiteral("ja")},
                                        {}};
    for (const QStringList& languages : firstChoices) {
        const ProgramTranslations translations(TranslationsFolder, languages);
        EXPECT_EQ(translations.Language(), QString()) << languages.join(',').toStdString();
        TMainForm& f = Make();
        EXPECT_EQ(SomeTexts(f, NotificationWindow()), english) << languages.join(',').toStdString();
    }
    // The same windows speak German once German is chosen, and English again after.
    {
        const ProgramTranslations german(TranslationsFolder, {QStringLiteral("de-AT")});
        EXPECT_EQ(german.Language(), QStringLiteral("de"));
        TMainForm& f = Make();
        EXPECT_NE(SomeTexts(f, NotificationWindow()).mid(1), english.mid(1));
    }
    TMainForm& f = Make();
    EXPECT_EQ(SomeTexts(f, NotificationWindow()), english);
}

TEST(ChooseTranslation, TakesTheFirstLanguageTheProgramSpeaks) {
    const QStringList available = {QStringLiteral("de"), QStringLiteral("fr"),
                                   QStringLiteral("fr_CA")};
    const struct {
        QStringList uiLanguages;
        QString chosen;
    } cases[] = {
        {{QStringLiteral("de-DE")}, QStringLiteral("de")},
        {{QStringLiteral("de")}, QStringLiteral("de")},
        {{QStringLiteral("fr-CA")}, QStringLiteral("fr_CA")},
        {{QStringLiteral("fr-BE")}, QStringLiteral("fr")},
        {{QStringLiteral("es-ES"), QStringLiteral("fr-FR")}, QStringLiteral("fr")},
        {{QStringLiteral("en-US"), QStringLiteral("de-DE")}, QString()},
        {{QStringLiteral("en")}, QString()},
        {{QStringLiteral("C")}, QString()},
        {{QStringLiteral("POSIX")}, QString()},
        {{QStringLiteral("es")}, QString()},
        {{}, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseTranslation(c.uiLanguages, available), c.chosen)
            << c.uiLanguages.join(',').toStdString();
}

} // namespace
} // namespace nudgery::testing
