#include "local_socket.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace common::local_socket {

namespace {

using Clock = std::chrono::steady_clock;

// How long a connecting copy waits before it tries a full queue again.
constexpr std::chrono::milliseconds kRetryPause{10};

// The address of the socket file at `path`; nothing when the path, with its
// closing zero, does not fit: a cut-off path would name another file.
std::optional<sockaddr_un> addressFor(const QByteArray& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return address;
}

const sockaddr* asSocketAddress(const sockaddr_un& address)
{
    return reinterpret_cast<const sockaddr*>(&address);
}

FileDescriptor newStreamSocket()
{
    // Never handed down to the programs this one starts (web browser, mail).
    return FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

// The milliseconds left until `deadline`, rounded up, never below zero.
int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

// Waits until the connection that `socket` has begun is made or has failed.
bool waitUntilConnected(int socket, Clock::time_point deadline)
{
    pollfd watched{.fd = socket, .events = POLLOUT, .revents = 0};
    for (;;) {
        const int ready = ::poll(&watched, 1, millisecondsUntil(deadline));
        if (ready > 0)
            break;
        if (ready == 0 || errno != EINTR)
            return false;
    }
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

} // namespace

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1))
{
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        if (isOpen())
            ::close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FileDescriptor::~FileDescriptor()
{
    // Not retried after EINTR: on Linux the descriptor is closed regardless,
    // and a retry could close one that another part of the program just got.
    if (isOpen())
        ::close(descriptor_);
}

bool Listener::listen(const QByteArray& path)
{
    close();
    const std::optional<sockaddr_un> address = addressFor(path);
    if (!address)
        return false;
    FileDescriptor socket = newStreamSocket();
    if (!socket.isOpen())
        return false;

    // The caller holds the name: a file there was left by a copy that ended
    // without removing it, and nothing listens on it any more.
    ::unlink(path.constData());
    if (::bind(socket.get(), asSocketAddress(*address), sizeof *address) != 0)
        return false;
    if (::listen(socket.get(), SOMAXCONN) != 0) {
        ::unlink(path.constData());
        return false;
    }
    socket_ = std::move(socket);
    path_ = path;
    return true;
}

void Listener::close()
{
    if (!socket_.isOpen())
        return;
    ::unlink(path_.constData());
    socket_ = FileDescriptor();
    path_.clear();
}

std::optional<int> Listener::acceptAndCloseAll()
{
    int accepted = 0;
    for (;;) {
        const FileDescriptor connection(::accept4(socket_.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (connection.isOpen()) {
            ++accepted;
            continue;
        }
        // A connection given up before it was taken is simply gone.
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return accepted;
        return std::nullopt;
    }
}

bool connectTo(const QByteArray& path, std::chrono::milliseconds timeout)
{
    const std::optional<sockaddr_un> address = addressFor(path);
    if (!address)
        return false;
    const FileDescriptor socket = newStreamSocket();
    if (!socket.isOpen())
        return false;

    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        if (::connect(socket.get(), asSocketAddress(*address), sizeof *address) == 0)
            return true;
        // An interrupted connect goes on by itself, like one in progress.
        if (errno == EINPROGRESS || errno == EINTR)
            return waitUntilConnected(socket.get(), deadline);
        // The listener's queue is full: it may make room in a moment.
        if (errno != EAGAIN || millisecondsUntil(deadline) == 0)
            return false;
        ::poll(nullptr, 0, std::min(int(kRetryPause.count()), millisecondsUntil(deadline)));
    }
}

} // namespace common::local_socket
