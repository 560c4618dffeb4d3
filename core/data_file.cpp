#include "data_file.h"

#include "clock.h"
#include "reminder.h"
#include "tagged_reader.h"
#include "tagged_writer.h"

namespace nudgery {
namespace {

// The header's two values mark the format; readers skip them without comparing.
constexpr std::int32_t HeaderMagic = 666;
constexpr double HeaderVersion = 2.0;

void WriteList(TaggedWriter& writer, std::span<const TReminder* const> reminders) {
    writer.WriteListBegin();
    for (const TReminder* reminder : reminders) {
        reminder->WriteToStream(writer);
    }
    writer.WriteListEnd();
}

void ReadHeader(TaggedReader& reader) {
    reader.ReadListBegin();
    reader.ReadInteger();
    reader.ReadFloat();
    reader.ReadListEnd();
}

// A record that cannot be read whole throws before it reaches a list: half a reminder
// would show a blank message or a wrong status, and fire as one.
std::unique_ptr<TReminder> ReadRecord(TaggedReader& reader, RecentTexts& soundFiles) {
    std::unique_ptr<TReminder> reminder = TReminder::Create();
    reminder->ReadFromStream(reader, soundFiles);
    return reminder;
}

void ReadOneTimeList(TaggedReader& reader, ReminderListSink& sink, const Clock& clock) {
    RecentTexts soundFiles;
    reader.ReadListBegin();
    while (!reader.NextIsEndOfList()) {
        TReminder& reminder = sink.AddOneTime(ReadRecord(reader, soundFiles));
        const std::uint8_t storedStatus = reminder.Status;
        reminder.UpdateNormalStatus(clock);
        sink.OneTimeLoaded(reminder, storedStatus);
    }
    reader.ReadListEnd();
}

void ReadRepeatingList(TaggedReader& reader, ReminderListSink& sink, const Clock& clock) {
    RecentTexts soundFiles;
    reader.ReadListBegin();
    while (!reader.NextIsEndOfList()) {
        TReminder& reminder = sink.AddRepeating(ReadRecord(reader, soundFiles));
        reminder.ScheduleTodayAfresh(clock);
        sink.RepeatingLoaded(reminder);
    }
    reader.ReadListEnd();
}

} // namespace

std::vector<std::uint8_t> EncodeDataFile(std::span<const TReminder* const> oneTime,
                                         std::span<const TReminder* const> repeating) {
    TaggedWriter writer;
    writer.WriteListBegin();
    writer.WriteInteger(HeaderMagic);
    writer.WriteFloat(HeaderVersion);
    writer.WriteListEnd();
    WriteList(writer, oneTime);
    WriteList(writer, repeating);
    return std::move(writer).TakeBytes();
}

bool DecodeDataFile(std::span<const std::uint8_t> bytes, ReminderListSink& sink,
                    const Clock& clock) {
    TaggedReader reader(bytes);
    // Every reminder is judged at the moment the load began: one reading of the clock, however
    // long the lists.
    const SettableClock loadStart(clock.Now());
    try {
        ReadHeader(reader);
        ReadOneTimeList(reader, sink, loadStart);
        ReadRepeatingList(reader, sink, loadStart);
    } catch (const TaggedReadError&) {
        return false;
    }
    return true;
}

} // namespace nudgery
