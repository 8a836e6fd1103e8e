#pragma once

// Unix-domain stream sockets for the one-copy guard: a listener bound to a
// file and a connection to it that gives up after a while. Both use only
// what the C library offers, so the program needs no network library.

#include <QByteArray>

#include <chrono>
#include <optional>

namespace common::local_socket {

// Owns one open file descriptor and closes it when it goes.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};

// A non-blocking socket listening at a file, which it removes when it stops.
class Listener {
public:
    Listener() = default;
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    ~Listener() { close(); }

    // Listens at `path`, replacing whatever was left there. False, and not
    // listening, when the path does not fit a socket address or the socket
    // cannot be made.
    bool listen(const QByteArray& path);

    // Stops listening and removes the socket's file.
    void close();

    // The descriptor to watch for waiting connections; -1 when not listening.
    int descriptor() const { return socket_.get(); }

    // Accepts and closes every connection waiting now: the number of them,
    // or nothing when the socket no longer accepts.
    std::optional<int> acceptAndCloseAll();

private:
    FileDescriptor socket_;
    QByteArray path_;
};

// Connects to the listener at `path` and closes the connection again. False
// when there is no listener there, the path does not fit a socket address,
// or the connection is not made within `timeout`.
bool connectTo(const QByteArray& path, std::chrono::milliseconds timeout);

} // namespace common::local_socket
