// Costs of the per-datagram hot paths: a status reply on a Standard channel and a 32-entry clip
// list merged into an Advanced channel.
#include "net/udpinterface.h"

#include <QCoreApplication>
#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

UdpCamInfo camera(quint32 protocol, quint32 type) {
    UdpCamInfo info;
    info.protocol = protocol;
    info.cameraType = type;
    info.cameraIp = 0x7F000001;
    info.adapterIp = 0x7F000001;
    info.adapterMask = 0xFF000000;
    return info;
}

QByteArray statusReply() {
    QByteArray d(16, '\0');
    d[2] = 8;
    d[3] = 14;
    d[4] = 16;
    d[12] = 2;
    return d;
}

QByteArray clipList(int count) {
    QByteArray d(16 + count * 128, '\0');
    auto *p = reinterpret_cast<uchar *>(d.data());
    qToLittleEndian<quint32>(0xABCD0002, p);
    qToLittleEndian<quint16>(quint16(count), p + 8);
    qToLittleEndian<quint16>(quint16(count), p + 10);
    for (int i = 0; i < count; ++i) {
        uchar *e = p + 16 + i * 128;
        qToLittleEndian<quint64>(1000, e + 8);
        qToLittleEndian<float>(500.0f, e + 28);
        qToLittleEndian<quint16>(quint16(i), e + 44);
        qToLittleEndian<quint32>(900, e + 48);
        qToLittleEndian<quint32>(950, e + 52);
        qToLittleEndian<quint32>(100, e + 56);
    }
    return d;
}

void statusReplyDecode(benchmark::State &state) {
    UdpInterface channel;
    channel.camInfo = camera(0, 10);
    channel.active = true;
    const QByteArray reply = statusReply();
    for (auto _ : state)
        channel.handleDatagram(reply, 0x7F000001);
    benchmark::DoNotOptimize(channel.status);
}
BENCHMARK(statusReplyDecode);

void clipListMerge32(benchmark::State &state) {
    const QByteArray list = clipList(32);
    QByteArray empty(16, '\0');
    qToLittleEndian<quint32>(0xABCD0002, reinterpret_cast<uchar *>(empty.data()));
    UdpInterface channel;
    channel.camInfo = camera(1, 48);
    channel.active = true;
    for (auto _ : state) {
        channel.handleDatagram(list, 0x7F000001); // stores 32 clips
        state.PauseTiming();
        channel.handleDatagram(empty, 0x7F000001); // clipTotal 0 empties the list again
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(channel.clips.size());
}
BENCHMARK(clipListMerge32);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
