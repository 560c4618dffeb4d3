#include "instance_claim.h"

#include "descriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace nudgery {

namespace {

// A request to come forward is one line: "come-forward", then, when the later copy was given
// one by the desktop's launcher, a blank and its activation token, the desktop's leave to
// bring a window forward (Wayland's xdg-activation).
constexpr char kComeForward[] = "come-forward";
constexpr qsizetype kComeForwardLength = sizeof(kComeForward) - 1;
// No launcher makes a token nearly this long.
constexpr qsizetype kLongestToken = 256;
constexpr qsizetype kLongestComeForward = kComeForwardLength + 1 + kLongestToken + 1;
// Commands come many at once (a script adding a batch): they wait in line.
constexpr int kBacklog = 64;
// A command's request holds a reminder's texts; anything longer is no command of ours.
constexpr qsizetype kMostRequestBytes = 1 << 20;

// A token is printable ASCII without blanks.
bool IsToken(const QByteArray& text) {
    return !text.isEmpty() && text.size() <= kLongestToken &&
           std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c <= '~'; });
}

// The activation token of a request to come forward, empty when it carries none; nothing
// when `line` (without its line feed) is no such request.
std::optional<QString> ComeForwardToken(const QByteArray& line) {
    if (line == kComeForward)
        return QString();
    const QByteArray lead = QByteArray(kComeForward) + ' ';
    if (!line.startsWith(lead) || !IsToken(line.mid(lead.size())))
        return std::nullopt;
    return QString::fromLatin1(line.mid(lead.size()));
}

// The address of a socket at `path`; none when the path is too long for one.
std::optional<sockaddr_un> SocketAddress(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return address;
}

const sockaddr* AsGeneric(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// Monotonic milliseconds, for the deadlines of a command that waits for the holder.
std::int64_t NowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1'000'000;
}

// Waits until `fd` is ready for `events` or the deadline passes; false then.
bool WaitFor(int fd, short events, std::int64_t deadline) {
    for (;;) {
        const std::int64_t left = deadline - NowMs();
        if (left <= 0)
            return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(std::min<std::int64_t>(left, 60'000)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

// Writes all of `bytes` to the blocking socket before the deadline.
bool SendAll(int fd, const QByteArray& bytes, std::int64_t deadline) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!WaitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t count =
            ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent),
                   MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            return false;
        sent += count;
    }
    return true;
}

// A connected socket to the holder at `path`; not valid when nothing listens there.
Descriptor Connect(const QString& path, int timeoutMs) {
    const std::optional<sockaddr_un> address = SocketAddress(path);
    if (!address)
        return Descriptor();
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.valid())
        return Descriptor();
    // A holder too busy to accept, with its backlog full, is given up on after the time-out.
    const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    if (::connect(socket.get(), AsGeneric(*address), sizeof(*address)) != 0)
        return Descriptor();
    return socket;
}

// One peer's connection: reads one line, the request, and no more, acts on it and, for a
// command, writes the reply back before it closes. A line that begins like neither request
// is dropped at once.
class Connection final : public QObject {
public:
    Connection(int fd, std::function<void(const QString&)> asked,
               const InstanceClaim::RequestHandler& handler, QObject* parent)
        : QObject(parent), fd_(fd), reading_(fd, QSocketNotifier::Read),
          writing_(fd, QSocketNotifier::Write), asked_(std::move(asked)), handler_(handler) {
        writing_.setEnabled(false);
        connect(&reading_, &QSocketNotifier::activated, this, &Connection::Read);
        connect(&writing_, &QSocketNotifier::activated, this, &Connection::Write);
    }

private:
    void Read() {
        // Up to the end of the come-forward line, or of the longest command.
        const qsizetype limit =
            received_.startsWith(kComeForward[0]) ? kLongestComeForward : kMostRequestBytes;
        char buffer[4096];
        const auto wanted = static_cast<std::size_t>(
            std::min<qsizetype>(sizeof buffer, std::max<qsizetype>(limit - received_.size(), 1)));
        const ssize_t count = ::read(fd_.get(), buffer, wanted);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count <= 0)
            return Close(); // the peer left half way
        received_.append(buffer, count);
        if (received_.front() != kComeForward[0] && received_.front() != '{')
            return Close();
        const qsizetype end = received_.indexOf('\n');
        if (end < 0) {
            if (received_.size() >= limit)
                Close();
            return;
        }
        reading_.setEnabled(false);
        if (const std::optional<QString> token = ComeForwardToken(received_.left(end))) {
            Close();
            asked_(*token);
            return;
        }
        if (received_.front() != '{' || !handler_)
            return Close();
        pending_ = handler_(received_.left(end));
        Write();
    }

    void Write() {
        while (!pending_.isEmpty()) {
            const ssize_t count =
                ::send(fd_.get(), pending_.constData(), static_cast<std::size_t>(pending_.size()),
                       MSG_NOSIGNAL | MSG_DONTWAIT);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0 && errno == EAGAIN) {
                writing_.setEnabled(true);
                return;
            }
            if (count <= 0)
                break; // the peer has gone
            pending_.remove(0, count);
        }
        Close();
    }

    void Close() {
        reading_.setEnabled(false);
        writing_.setEnabled(false);
        deleteLater();
    }

    Descriptor fd_;
    QSocketNotifier reading_;
    QSocketNotifier writing_;
    std::function<void(const QString&)> asked_;
    const InstanceClaim::RequestHandler& handler_;
    QByteArray received_;
    QByteArray pending_;
};

} // namespace

// The holder's listening socket; each peer gets a Connection of its own.
class InstanceClaim::Listener final : public QObject {
public:
    Listener(Descriptor socket, std::function<void(const QString&)> asked,
             const InstanceClaim::RequestHandler& handler)
        : socket_(std::move(socket)), notifier_(socket_.get(), QSocketNotifier::Read),
          asked_(std::move(asked)), handler_(handler) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Listener::Accept);
    }

    // Listens at `path`, replacing whatever is there; none when that cannot be done.
    static std::unique_ptr<Listener> Open(const QString& path,
                                          std::function<void(const QString&)> asked,
                                          const InstanceClaim::RequestHandler& handler) {
        const std::optional<sockaddr_un> address = SocketAddress(path);
        if (!address)
            return nullptr;
        Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (!socket.valid())
            return nullptr;
        // Holding the claim, anything left at this path belongs to a copy that has ended.
        ::unlink(address->sun_path);
        if (::bind(socket.get(), AsGeneric(*address), sizeof(*address)) != 0)
            return nullptr;
        // Only the user's own copies may ask.
        ::chmod(address->sun_path, S_IRUSR | S_IWUSR);
        if (::listen(socket.get(), kBacklog) != 0)
            return nullptr;
        return std::make_unique<Listener>(std::move(socket), std::move(asked), handler);
    }

private:
    void Accept() {
        for (;;) {
            const int peer =
                ::accept4(socket_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (peer < 0)
                return;
            new Connection(peer, asked_, handler_, this);
        }
    }

    Descriptor socket_;
    QSocketNotifier notifier_;
    std::function<void(const QString&)> asked_;
    const InstanceClaim::RequestHandler& handler_;
};

InstanceClaim::InstanceClaim(const QString& name, const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(SocketPath(name, folder)), lock_(LockPath(name, folder)) {
    if (folder.isEmpty())
        return; // nowhere to claim: run as the only copy
    // Only a holder that no longer runs makes a claim stale, however old it is.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0)) {
        // When no socket can be made the copy still runs; only later copies cannot reach it.
        listener_ = Listener::Open(
            socketPath_, [this](const QString& token) { emit ComeForwardRequested(token); },
            handler_);
        return;
    }
    heldElsewhere_ = lock_.error() == QLockFile::LockFailedError;
}

InstanceClaim::~InstanceClaim() = default;

QString InstanceClaim::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString InstanceClaim::NameFor(const QString& programPath) {
    const QString name = QFileInfo(programPath).fileName();
    // A program started with an empty argument 0 still needs a claim name.
    return name.isEmpty() ? QStringLiteral("nudgery") : name;
}

QString InstanceClaim::LockPath(const QString& name, const QString& folder) {
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

QString InstanceClaim::SocketPath(const QString& name, const QString& folder) {
    return QDir(folder).filePath(name + QStringLiteral(".socket"));
}

bool InstanceClaim::AskHolderToComeForward(const QString& activationToken, int timeoutMs) {
    QByteArray request = kComeForward;
    // A token the holder would refuse is left out: the request still counts without it.
    if (const QByteArray token = activationToken.toUtf8(); IsToken(token))
        request += ' ' + token;
    request += '\n';
    const Descriptor socket = Connect(socketPath_, timeoutMs);
    return socket.valid() && SendAll(socket.get(), request, NowMs() + timeoutMs);
}

ChannelAnswer AskOverChannel(const QString& socketPath, const QByteArray& request, int timeoutMs) {
    const std::int64_t deadline = NowMs() + timeoutMs;
    const Descriptor socket = Connect(socketPath, timeoutMs);
    if (!socket.valid())
        return {ChannelAnswer::Outcome::Unreachable, {}};
    if (!SendAll(socket.get(), request, deadline))
        return {ChannelAnswer::Outcome::NoAnswer, {}};
    QByteArray reply;
    while (!reply.endsWith('\n')) {
        if (!WaitFor(socket.get(), POLLIN, deadline))
            return {ChannelAnswer::Outcome::NoAnswer, {}};
        char buffer[65536];
        const ssize_t count = ::recv(socket.get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            return {ChannelAnswer::Outcome::HungUp, {}};
        reply.append(buffer, count);
    }
    reply.chop(1);
    return {ChannelAnswer::Outcome::Answered, reply};
}

} // namespace nudgery
