// Receive throughput: a recorded month download (31 days of a header, 48 records each, then
// the end of the month) fed through the receive assembler and the reply dispatcher, compared
// with what the fastest line (115 200 baud, 11 bits per character) can deliver.
#include "link/ReplyDispatcher.h"
#include "link/RxAssembler.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr double LineCharsPerSecond = 115200.0 / 11.0; // 10 473

QByteArray frame(const QByteArray &text)
{
    return RxAssembler::STX + text + RxAssembler::ETX;
}

QByteArray recordedMonth()
{
    QByteArray stream;
    for (int day = 1; day <= 31; ++day) {
        stream += frame("Y05D" + QByteArray::number(day).rightJustified(2, '0'));
        for (int slot = 0; slot < 48; ++slot) {
            const QByteArray current = QByteArray::number(1000 + day * 48 + slot).rightJustified(8, '0');
            const QByteArray power = QByteArray::number(slot * 37 % 10000).rightJustified(8, '0');
            stream += frame("M" + current + power);
        }
    }
    stream += frame("O");
    return stream;
}

// Trivial work per reply, so that the dispatch cannot be optimised away.
class CountingHandlers : public ReplyHandlers {
public:
    long records = 0, headers = 0, ends = 0, checksum = 0;
    void onM(const QByteArray &t) override
    {
        ++records;
        checksum += t.at(16);
    }
    void onY(const QByteArray &t) override
    {
        ++headers;
        checksum += t.at(5);
    }
    void onO(const QByteArray &) override { ++ends; }
};

// Feeds the stream in reads of chunk bytes until at least minSeconds have passed.
double bytesPerSecond(const QByteArray &stream, qsizetype chunk, double minSeconds,
                      CountingHandlers &handlers)
{
    RxAssembler rx;
    const RxAssembler::Dispatch dispatch = [&handlers](const QByteArray &text, QByteArray &rxCode) {
        DispatchReply(text, rxCode, handlers);
    };
    QElapsedTimer clock;
    clock.start();
    long long bytes = 0;
    do {
        for (qsizetype at = 0; at < stream.size(); at += chunk)
            rx.feed(stream.mid(at, chunk), dispatch);
        bytes += stream.size();
    } while (clock.nsecsElapsed() < qint64(minSeconds * 1e9));
    return double(bytes) / (double(clock.nsecsElapsed()) / 1e9);
}

} // namespace

int main()
{
    const QByteArray stream = recordedMonth();
    std::printf("recorded month: %lld bytes, %d frames\n", static_cast<long long>(stream.size()),
                31 * 49 + 1);
    std::printf("line at 115200 baud: %.0f characters per second\n", LineCharsPerSecond);
    for (const qsizetype chunk : {qsizetype(1), qsizetype(64), stream.size()}) {
        CountingHandlers handlers;
        const double rate = bytesPerSecond(stream, chunk, 1.0, handlers);
        std::printf(
            "reads of %6lld bytes: %12.0f bytes per second, %8.0f x the line  (%ld records, checksum %ld)\n",
            static_cast<long long>(chunk), rate, rate / LineCharsPerSecond, handlers.records,
            handlers.checksum);
    }
    return 0;
}
