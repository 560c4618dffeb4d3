#include "new_reminder.h"

#include "reminder_words.h"
#include "rule_text.h"
#include "when_text.h"

namespace nudgery {
namespace {

ReadResult<std::string> SoundFile(const NewReminderTexts& texts,
                                  const NewReminderContext& context) {
    if (texts.sound.empty()) {
        const std::string& fallback = context.defaults.soundFile;
        return !fallback.empty() && context.isFile(fallback) ? fallback : std::string();
    }
    if (!context.isFile(texts.sound))
        return Refusal{"cannot find the sound file " + Quoted(texts.sound)};
    return texts.sound;
}

} // namespace

ReadResult<TReminder> NewReminder(ListKind list, const NewReminderTexts& texts,
                                  const NewReminderContext& context) {
    const ReadResult<std::uint8_t> action =
        texts.action.empty() ? ReadResult<std::uint8_t>(context.defaults.eventType)
                             : ReadAction(texts.action);
    if (!action.Ok())
        return Refusal{action.Error()};
    const ReadResult<std::string> sound = SoundFile(texts, context);
    if (!sound.Ok())
        return Refusal{sound.Error()};

    if (list == ListKind::OneTime) {
        const ReadResult<TDateTime> when =
            ReadWhen(texts.when, context.clock, context.user, context.offsetAt);
        if (!when.Ok())
            return Refusal{when.Error()};
        return *TReminder::CreateNormal(KindOneTime, when.Value(), texts.message, sound.Value(),
                                        action.Value());
    }
    const ReadResult<RepeatRule> rule = ReadRule(texts.when, context.user);
    if (!rule.Ok())
        return Refusal{rule.Error()};
    const RepeatRule& r = rule.Value();
    return *TReminder::CreateRepeating(KindRepeating, r.firstTime, r.hasUntil, r.untilTime,
                                       r.daySpec, r.repeatMinutes, texts.message, sound.Value(),
                                       action.Value());
}

} // namespace nudgery
