#pragma once

// A scripted camera on 127.0.0.1: a thread records every datagram with its arrival time, so the
// timing of requests is measured even while the GUI thread busy-waits.

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class LoopbackPeer {
public:
    struct Datagram {
        qint64 atMs; // on the clock given at construction
        QByteArray bytes;
    };

    explicit LoopbackPeer(std::chrono::steady_clock::time_point epoch) : epoch_(epoch) {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        ::bind(fd_, reinterpret_cast<sockaddr *>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr *>(&a), &len);
        port_ = ntohs(a.sin_port);
        timeval tv{0, 20000};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        thread_ = std::thread([this] { run(); });
    }
    ~LoopbackPeer() {
        stop_ = true;
        thread_.join();
        ::close(fd_);
    }

    quint16 port() const { return port_; }

    QList<Datagram> received() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return got_;
    }

    // Sends from this peer's address (127.0.0.1) to a channel's local port.
    void sendTo(quint16 port, const QByteArray &bytes) const {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(port);
        ::sendto(fd_, bytes.constData(), size_t(bytes.size()), 0, reinterpret_cast<sockaddr *>(&to),
                 sizeof to);
    }

private:
    void run() {
        char buffer[4096];
        while (!stop_) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n < 0) continue;
            const qint64 at = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - epoch_)
                                  .count();
            std::lock_guard<std::mutex> lock(mutex_);
            got_.append({at, QByteArray(buffer, int(n))});
        }
    }

    std::chrono::steady_clock::time_point epoch_;
    int fd_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QList<Datagram> got_;
    std::thread thread_;
};
