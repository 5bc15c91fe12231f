#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QUdpSocket>

// What the discovery and camera sockets ask the kernel for, so that a burst of replies from many
// cameras waits in the socket while the program is busy opening the ones before.
constexpr int SocketReceiveBufferBytes = 4 * 1024 * 1024;

// Reads the datagrams pending on `socket` through `buffer` while `goOn()` holds, and hands each one
// with its sender's IPv4 address to `take`. `goOn` is asked before every read because
// `take` may close or destroy the socket's owner.
template <typename GoOn, typename Take>
void readPendingDatagrams(QUdpSocket &socket, QByteArray &buffer, GoOn goOn, Take take) {
    while (goOn() && socket.hasPendingDatagrams()) {
        QHostAddress sender;
        const qint64 got = socket.readDatagram(buffer.data(), buffer.size(), &sender);
        if (got < 0) break; // a socket error would otherwise keep the datagram "pending" for ever
        // Only the bytes of this datagram: the buffer still holds the tail of longer ones.
        take(QByteArray(buffer.constData(), int(got)), sender.toIPv4Address());
    }
}
