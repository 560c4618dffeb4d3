// The claim's channel as commands use it: the holder answers each request with its own reply
// (also many at once, also a reply far longer than a socket's buffer), a holder that takes no
// requests or a line that is no request is hung up on, a path nobody listens at is
// unreachable, and a listener that never answers is given up on after the time-out.
#include "platform/instance_claim.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace nudgery {
namespace {

using Outcome = ChannelAnswer::Outcome;

class ClaimChannel : public ::testing::Test {
protected:
    ClaimChannel() { EXPECT_TRUE(folder_.isValid()); }

    QString Socket() const { return InstanceClaim::SocketPath("nudgery", folder_.path()); }
    // Asks from another thread while this one serves the holder.
    ChannelAnswer Ask(const QByteArray& request, int timeoutMs = 5000) {
        std::future<ChannelAnswer> answer = std::async(
            std::launch::async, [=, this] { return AskOverChannel(Socket(), request, timeoutMs); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            timeoutMs + 5000));
        return answer.get();
    }

    QTemporaryDir folder_;
};

TEST_F(ClaimChannel, TheHolderAnswersEachRequestWithItsOwnReply) {
    InstanceClaim holder("nudgery", folder_.path());
    ASSERT_FALSE(holder.HeldElsewhere());
    holder.SetRequestHandler([](const QByteArray& request) { return request.toUpper() + "\n"; });
    const ChannelAnswer one = Ask("{\"say\":\"hello\"}\n");
    EXPECT_EQ(one.outcome, Outcome::Answered);
    EXPECT_EQ(one.reply, "{\"SAY\":\"HELLO\"}");

    // Many at once, as a script adding a batch sends them.
    std::vector<std::future<ChannelAnswer>> answers;
    for (int i = 0; i < 30; ++i)
        answers.push_back(std::async(std::launch::async, [this, i] {
            return AskOverChannel(Socket(), "{" + QByteArray::number(i) + "x}\n", 10000);
        }));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (auto& answer : answers)
                if (answer.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
                    return false;
            return true;
        },
        20000));
    for (int i = 0; i < 30; ++i) {
        const ChannelAnswer answer = answers[i].get();
        EXPECT_EQ(answer.outcome, Outcome::Answered) << i;
        EXPECT_EQ(answer.reply, "{" + QByteArray::number(i) + "X}");
    }
}

TEST_F(ClaimChannel, AReplyLongerThanTheSocketsBufferArrivesWhole) {
    InstanceClaim holder("nudgery", folder_.path());
    const QByteArray longReply = QByteArray(3 << 20, 'r') + "\n";
    holder.SetRequestHandler([&](const QByteArray&) { return longReply; });
    const ChannelAnswer answer = Ask("{}\n");
    EXPECT_EQ(answer.outcome, Outcome::Answered);
    EXPECT_EQ(answer.reply, longReply.chopped(1));
}

TEST_F(ClaimChannel, WhatCannotBeAnsweredIsHungUpOn) {
    InstanceClaim holder("nudgery", folder_.path());
    // No handler yet: the holder takes no requests.
    EXPECT_EQ(Ask("{}\n").outcome, Outcome::HungUp);
    holder.SetRequestHandler([](const QByteArray&) { return QByteArray("{}\n"); });
    for (const QByteArray& junk :
         {QByteArray("hello\n"), QByteArray("\n"), QByteArray("come-backward\n")})
        EXPECT_EQ(Ask(junk).outcome, Outcome::HungUp) << junk.toStdString();
    EXPECT_EQ(Ask("{}\n").outcome, Outcome::Answered);
}

TEST_F(ClaimChannel, NobodyListeningIsUnreachableAndASilentListenerIsGivenUpOn) {
    EXPECT_EQ(AskOverChannel(Socket(), "{}\n", 1000).outcome, Outcome::Unreachable);
    // A socket file left behind by a holder that has ended.
    { InstanceClaim ended("nudgery", folder_.path()); }
    ASSERT_TRUE(QFile::exists(Socket()));
    EXPECT_EQ(AskOverChannel(Socket(), "{}\n", 1000).outcome, Outcome::Unreachable);

    // Listens, and never accepts nor answers.
    ASSERT_TRUE(QFile::remove(Socket()));
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(Socket());
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(silent, 4), 0);
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(AskOverChannel(Socket(), "{}\n", 300).outcome, Outcome::NoAnswer);
    EXPECT_GE(waited.elapsed(), 250);
    EXPECT_LT(waited.elapsed(), 5000);
    ::close(silent);
}

} // namespace
} // namespace nudgery
