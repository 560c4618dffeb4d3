// The reminder record's travel to and from the data file.

#include "reminder.h"
#include "tagged_reader.h"
#include "tagged_writer.h"

namespace nudgery {
namespace {

// A When above this is a day count from 1 January of year 1 (day 1), written by older
// versions; subtracting the offset gives the same date and time in today's day count.
constexpr TDateTime OlderDateThreshold = 60000;
constexpr TDateTime OlderDateOffset = 693594;

} // namespace

void TReminder::WriteToStream(TaggedWriter& writer) const {
    writer.WriteInteger(Kind);
    writer.WriteInteger(EventType);
    writer.WriteFloat(When);
    writer.WriteFloat(FirstTime);
    writer.WriteFloat(UntilTime);
    writer.WriteBoolean(HasUntil);
    writer.WriteString(Description);
    writer.WriteString(SoundFile);
    writer.WriteString(DaySpec);
    writer.WriteInteger(RepeatMinutes);
    writer.WriteInteger(Status);
    writer.WriteBoolean(ReservedFlag);
}

void TReminder::ReadFromStream(TaggedReader& reader, RecentTexts& soundFiles) {
    Kind = static_cast<std::uint8_t>(reader.ReadInteger());
    EventType = static_cast<std::uint8_t>(reader.ReadInteger());
    When = reader.ReadFloat();
    if (When > OlderDateThreshold) {
        When -= OlderDateOffset;
    }
    FirstTime = reader.ReadFloat();
    UntilTime = reader.ReadFloat();
    HasUntil = reader.ReadBoolean();
    Description = reader.ReadString();
    SoundFile = soundFiles.Text(reader.ReadString());
    DaySpec = reader.ReadString();
    RepeatMinutes = reader.ReadInteger();
    Status = static_cast<std::uint8_t>(reader.ReadInteger());
    ReservedFlag = reader.ReadBoolean();
}

} // namespace nudgery
