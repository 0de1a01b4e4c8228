#include "link/RxAssembler.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

const char STX = RxAssembler::STX;
const char ETX = RxAssembler::ETX;

QByteArray frame(const QByteArray &text)
{
    return STX + text + ETX;
}

// Feeds the bytes one at a time and records "text|code" per dispatch.
struct Recorder {
    RxAssembler rx;
    QList<QByteArray> dispatched;
    QList<QByteArray> codes;
    qsizetype longestPending = 0;

    void feed(const QByteArray &bytes)
    {
        for (char c : bytes) {
            rx.feed(c, [this](const QByteArray &text, QByteArray &rxCode) {
                dispatched << text;
                codes << rxCode;
            });
            longestPending = qMax(longestPending, rx.RxBuffer.size());
        }
    }
};

} // namespace

class RxAssemblerTest : public QObject {
    Q_OBJECT
private slots:
    void assembles_data();
    void assembles();
    void dispatcherMayClearRxCode();
    void framesArrivingDuringAHandlerStandAlone();
    void overlongFrameIsDroppedAndNextFrameTaken_data();
    void overlongFrameIsDroppedAndNextFrameTaken();
    void randomNoiseBetweenFramesLeavesFramesIntact();
    void randomBytesKeepStateBounded();
};

void RxAssemblerTest::assembles_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<QByteArray>>("texts");
    QTest::addColumn<QList<QByteArray>>("codes");
    QTest::addColumn<bool>("syncedAfter");
    QTest::addColumn<QByteArray>("pendingAfter");

    using B = QList<QByteArray>;
    QTest::newRow("noise before frame") << ("x" + frame("Q1")) << B{"Q1"} << B{"Q"} << false << QByteArray();
    QTest::newRow("empty frame") << frame("") << B{""} << B{""} << false << QByteArray();
    QTest::newRow("write ack") << frame("WD") << B{"WD"} << B{"W"} << false << QByteArray();
    QTest::newRow("back to back") << (frame("Y05D01") + frame("M0001")) << B{"Y05D01", "M0001"} << B{"Y", "M"}
                                  << false << QByteArray();
    QTest::newRow("lost ETX merges") << (STX + QByteArray("Y05D01") + frame("M0001")) << B{"Y05D01\x02M0001"}
                                     << B{"Y"} << false << QByteArray();
    QTest::newRow("rest of frame without STX")
        << (QByteArray("01ID") + ETX + frame("ID")) << B{"ID"} << B{"I"} << false << QByteArray();
    QTest::newRow("ETX outside frame")
        << (QByteArray(3, ETX) + frame("O")) << B{"O"} << B{"O"} << false << QByteArray();
    QTest::newRow("noise between frames")
        << (frame("A1") + "\r\n\xff" + frame("A2")) << B{"A1", "A2"} << B{"A", "A"} << false << QByteArray();
    QTest::newRow("pending frame waits")
        << (frame("Q1") + STX + "Q2") << B{"Q1"} << B{"Q"} << true << QByteArray("Q2");
    QTest::newRow("STX alone") << QByteArray(1, STX) << B{} << B{} << true << QByteArray();
    QTest::newRow("high bytes are text")
        << frame("P\xc1\xb2") << B{"P\xc1\xb2"} << B{"P"} << false << QByteArray();
}

void RxAssemblerTest::assembles()
{
    QFETCH(QByteArray, stream);
    QFETCH(QList<QByteArray>, texts);
    QFETCH(QList<QByteArray>, codes);
    QFETCH(bool, syncedAfter);
    QFETCH(QByteArray, pendingAfter);

    Recorder r;
    r.feed(stream);
    QCOMPARE(r.dispatched, texts);
    QCOMPARE(r.codes, codes);
    QCOMPARE(r.rx.RxSynced, syncedAfter);
    QCOMPARE(r.rx.RxBuffer, pendingAfter);

    // Fed as one block, the result is the same.
    Recorder whole;
    whole.rx.feed(stream, [&](const QByteArray &text, QByteArray &) { whole.dispatched << text; });
    QCOMPARE(whole.dispatched, texts);
}

void RxAssemblerTest::dispatcherMayClearRxCode()
{
    RxAssembler rx;
    rx.feed(frame("KE"), [](const QByteArray &, QByteArray &rxCode) { rxCode.clear(); });
    QCOMPARE(rx.RxCode, QByteArray());
    rx.feed(frame("TK"), [](const QByteArray &, QByteArray &) {});
    QCOMPARE(rx.RxCode, QByteArray("T"));
}

void RxAssemblerTest::framesArrivingDuringAHandlerStandAlone()
{
    // A handler that shows a message box runs the event loop, and the port may deliver the
    // next frame before the handler returns.
    RxAssembler rx;
    QList<QByteArray> texts;
    RxAssembler::Dispatch dispatch = [&](const QByteArray &text, QByteArray &) {
        texts << text;
        if (text == "O")
            rx.feed(frame("Y05D02") + STX + "M1", dispatch);
    };
    rx.feed(frame("O") + "2" + ETX, dispatch);
    QCOMPARE(texts, (QList<QByteArray>{"O", "Y05D02", "M12"}));
    QVERIFY(!rx.RxSynced);
    QCOMPARE(rx.RxCode, QByteArray("M"));
}

void RxAssemblerTest::overlongFrameIsDroppedAndNextFrameTaken_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<QByteArray>>("texts");

    const int max = RxAssembler::MaxPending;
    const QByteArray full(max, 'M');
    QTest::newRow("longest frame kept") << frame(full) << QList<QByteArray>{full};
    QTest::newRow("one over is dropped") << frame(full + "M") << QList<QByteArray>{};
    QTest::newRow("10000 bytes, then a frame")
        << (STX + QByteArray(10000, 'M') + frame("Q1")) << QList<QByteArray>{"Q1"};
    // The tail of the dropped frame, up to its ETX, is noise.
    QTest::newRow("tail of dropped frame")
        << (frame(QByteArray(5000, 'M')) + frame("O")) << QList<QByteArray>{"O"};
    // The STX that overflows the buffer starts the next frame.
    QTest::newRow("overflowing STX") << (STX + full + frame("Q2")) << QList<QByteArray>{"Q2"};
}

void RxAssemblerTest::overlongFrameIsDroppedAndNextFrameTaken()
{
    QFETCH(QByteArray, stream);
    QFETCH(QList<QByteArray>, texts);

    Recorder r;
    r.feed(stream);
    QCOMPARE(r.dispatched, texts);
    QVERIFY(r.longestPending <= RxAssembler::MaxPending);
    QVERIFY(!r.rx.RxSynced);
    QVERIFY(r.rx.RxBuffer.isEmpty());
}

void RxAssemblerTest::randomNoiseBetweenFramesLeavesFramesIntact()
{
    // Frames of any text without STX or ETX, separated by noise without STX, come out whole.
    QRandomGenerator random(20130105);
    auto randomBytes = [&](int length, bool allowEtx) {
        QByteArray bytes;
        while (bytes.size() < length) {
            const char c = char(random.bounded(256));
            if (c != STX && (allowEtx || c != ETX))
                bytes += c;
        }
        return bytes;
    };
    for (int round = 0; round < 200; ++round) {
        QList<QByteArray> texts;
        QByteArray stream;
        const int frames = random.bounded(1, 12);
        for (int i = 0; i < frames; ++i) {
            stream += randomBytes(random.bounded(0, 20), true);
            texts << randomBytes(random.bounded(0, 120), false);
            stream += frame(texts.last());
        }
        Recorder r;
        r.feed(stream);
        QCOMPARE(r.dispatched, texts);
        QVERIFY(!r.rx.RxSynced);
    }
}

void RxAssemblerTest::randomBytesKeepStateBounded()
{
    QRandomGenerator random(42);
    // Control bytes are frequent so that frames of every length, merged frames and overflows occur.
    const QByteArray alphabet = QByteArray("\x02\x03", 2) + "QMYWDK0123456789";
    Recorder r;
    int etxCount = 0;
    for (int i = 0; i < 200000; ++i) {
        const int pick = random.bounded(1000);
        char c;
        if (pick < 3)
            c = STX;
        else if (pick < 5)
            c = ETX;
        else
            c = alphabet.at(2 + random.bounded(alphabet.size() - 2));
        etxCount += c == ETX;
        r.feed(QByteArray(1, c));
    }
    QVERIFY(r.longestPending <= RxAssembler::MaxPending);
    QVERIFY(r.dispatched.size() <= etxCount);
    QVERIFY(!r.dispatched.isEmpty());
    for (qsizetype i = 0; i < r.dispatched.size(); ++i) {
        const QByteArray &text = r.dispatched.at(i);
        QVERIFY(!text.contains(ETX));
        QVERIFY(text.size() <= RxAssembler::MaxPending);
        QCOMPARE(r.codes.at(i), text.left(1));
    }
}

UNITDESK_TEST(RxAssemblerTest)
#include "RxAssemblerTest.moc"
