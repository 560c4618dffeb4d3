// The commands on the single-instance claim's channel: every request and reply comes back as
// it went, on one line whatever its texts hold, and a line that is not one is refused.
#include "platform/command_request.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;

TEST(CommandRequestLine, EveryRequestAndReplyComesBackAsItWent) {
    const QString awkward = QString::fromUtf8("line\nbreak, \"quotes\", \\, tab\t, Grüße, \u2603");
    for (const Kind kind : {Kind::AddOneTime, Kind::AddRepeating, Kind::List, Kind::Show,
                            Kind::Quit, Kind::PreviewImport, Kind::Import, Kind::Export}) {
        CommandRequest request = CommandRequest::Of(kind);
        request.when = "in 20m";
        request.message = awkward;
        request.sound = "/snd/bell.wav";
        request.action = "play";
        request.json = kind == Kind::List;
        request.file = "/tmp/a b.ics";
        const QByteArray line = EncodeRequest(request);
        EXPECT_TRUE(line.endsWith('\n'));
        EXPECT_EQ(line.count('\n'), 1) << "one line";
        const std::optional<CommandRequest> back = DecodeRequest(line.chopped(1));
        ASSERT_TRUE(back.has_value()) << KindName(kind).toStdString();
        EXPECT_EQ(*back, request);
        EXPECT_FALSE(KindName(kind).isEmpty());
    }
    for (const CommandReply& reply :
         {CommandReply{0, awkward, {}, 3}, CommandReply::Fail(2, awkward), CommandReply{}}) {
        const QByteArray line = EncodeReply(reply);
        EXPECT_EQ(line.count('\n'), 1);
        const std::optional<CommandReply> back = DecodeReply(line);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, reply);
    }
}

TEST(CommandRequestLine, ALineThatIsNoCommandIsRefused) {
    for (const QByteArray& line :
         {QByteArray(), QByteArray("come-forward"), QByteArray("{"), QByteArray("[1,2]"),
          QByteArray("{\"command\":\"Format\"}"), QByteArray("{\"command\":3}"), QByteArray("{}"),
          QByteArray(100'000, '{')})
        EXPECT_FALSE(DecodeRequest(line).has_value()) << line.left(40).toStdString();
    for (const QByteArray& line :
         {QByteArray(), QByteArray("{\"output\":\"x\"}"), QByteArray("{\"exit\":\"0\"}")})
        EXPECT_FALSE(DecodeReply(line).has_value()) << line.toStdString();
}

} // namespace
} // namespace nudgery
