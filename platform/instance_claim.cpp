#include "instance_claim.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace nudgery {

namespace {

// The request is one line: "come-forward", then, when the later copy was given one by the
// desktop's launcher, a blank and its activation token, the desktop's leave to bring a
// window forward (Wayland's xdg-activation).
constexpr char kComeForward[] = "come-forward";
constexpr qsizetype kComeForwardLength = sizeof(kComeForward) - 1;
// No launcher makes a token nearly this long.
constexpr qsizetype kLongestToken = 256;
constexpr qsizetype kLongestRequest = kComeForwardLength + 1 + kLongestToken + 1;
constexpr int kBacklog = 8;

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

// A file descriptor, closed with its owner.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

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

// One peer's connection: reads one line, of a request's length at most, then closes.
class Connection final : public QObject {
public:
    Connection(int fd, std::function<void(const QString&)> asked, QObject* parent)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read), asked_(std::move(asked)) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::Read);
    }

private:
    void Read() {
        char buffer[kLongestRequest];
        const auto wanted = static_cast<std::size_t>(kLongestRequest - received_.size());
        const ssize_t count = ::read(fd_.get(), buffer, wanted);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count > 0)
            received_.append(buffer, count);
        const bool complete = received_.contains('\n') || received_.size() >= kLongestRequest;
        if (count > 0 && !complete)
            return;
        // Anything else a peer sends, or a peer that leaves half way, is dropped.
        notifier_.setEnabled(false);
        deleteLater();
        if (received_.endsWith('\n'))
            if (const std::optional<QString> token = ComeForwardToken(received_.chopped(1)))
                asked_(*token);
    }

    Descriptor fd_;
    QSocketNotifier notifier_;
    std::function<void(const QString&)> asked_;
    QByteArray received_;
};

} // namespace

// The holder's listening socket; each peer gets a Connection of its own.
class InstanceClaim::Listener final : public QObject {
public:
    Listener(Descriptor socket, std::function<void(const QString&)> asked)
        : socket_(std::move(socket)), notifier_(socket_.get(), QSocketNotifier::Read),
          asked_(std::move(asked)) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Listener::Accept);
    }

    // Listens at `path`, replacing whatever is there; none when that cannot be done.
    static std::unique_ptr<Listener> Open(const QString& path,
                                          std::function<void(const QString&)> asked) {
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
        return std::make_unique<Listener>(std::move(socket), std::move(asked));
    }

private:
    void Accept() {
        for (;;) {
            const int peer =
                ::accept4(socket_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (peer < 0)
                return;
            new Connection(peer, asked_, this);
        }
    }

    Descriptor socket_;
    QSocketNotifier notifier_;
    std::function<void(const QString&)> asked_;
};

InstanceClaim::InstanceClaim(const QString& name, const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(QDir(folder).filePath(name + ".socket")),
      lock_(QDir(folder).filePath(name + ".lock")) {
    if (folder.isEmpty())
        return; // nowhere to claim: run as the only copy
    // Only a holder that no longer runs makes a claim stale, however old it is.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0)) {
        // When no socket can be made the copy still runs; only later copies cannot reach it.
        listener_ = Listener::Open(
            socketPath_, [this](const QString& token) { emit ComeForwardRequested(token); });
        return;
    }
    heldElsewhere_ = lock_.error() == QLockFile::LockFailedError;
}

InstanceClaim::~InstanceClaim() = default;

QString InstanceClaim::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool InstanceClaim::AskHolderToComeForward(const QString& activationToken, int timeoutMs) {
    const std::optional<sockaddr_un> address = SocketAddress(socketPath_);
    if (!address)
        return false;
    QByteArray request = kComeForward;
    // A token the holder would refuse is left out: the request still counts without it.
    if (const QByteArray token = activationToken.toUtf8(); IsToken(token))
        request += ' ' + token;
    request += '\n';
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.valid())
        return false;
    // Both a holder too busy to accept and a full channel give up after the time-out.
    const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    if (::connect(socket.get(), AsGeneric(*address), sizeof(*address)) != 0)
        return false;
    qsizetype sent = 0;
    while (sent < request.size()) {
        const ssize_t count = ::send(socket.get(), request.constData() + sent,
                                     static_cast<std::size_t>(request.size() - sent), MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        sent += count;
    }
    return true;
}

} // namespace nudgery
