#pragma once
// Records every handler call as "code" or "code:text", in order.
#include "link/ReplyHandlers.h"

#include <QStringList>

class RecordingHandlers : public ReplyHandlers {
public:
    QStringList calls;

    void onTW(const QByteArray &t) override { record("TW", t); }
    void onTK(const QByteArray &t) override { record("TK", t); }
    void onTQ(const QByteArray &t) override { record("TQ", t); }
    void onKK(const QByteArray &t) override { record("KK", t); }
    void onKS(const QByteArray &t) override { record("KS", t); }
    void onKM(const QByteArray &t) override { record("KM", t); }
    void onKE(const QByteArray &t) override { record("KE", t); }
    void onID(const QByteArray &t) override { record("ID", t); }
    void onEX(const QByteArray &t) override { record("EX", t); }
    void onM(const QByteArray &t) override { record("M", t); }
    void onY(const QByteArray &t) override { record("Y", t); }
    void onO(const QByteArray &t) override { record("O", t); }
    void onP(const QByteArray &t) override { record("P", t); }
    void onD(const QByteArray &t) override { record("D", t); }
    void onQ(const QByteArray &t) override { record("Q", t); }
    void onA(const QByteArray &t) override { record("A", t); }
    void onS(const QByteArray &t) override { record("S", t); }
    void onC(const QByteArray &t) override { record("C", t); }
    void onK(const QByteArray &t) override { record("K", t); }
    void onB(const QByteArray &t) override { record("B", t); }
    void onE(const QByteArray &t) override { record("E", t); }
    void onWD() override { calls << QStringLiteral("WD"); }
    void onWS() override { calls << QStringLiteral("WS"); }
    void onWJ() override { calls << QStringLiteral("WJ"); }
    void onWK() override { calls << QStringLiteral("WK"); }
    void onWC() override { calls << QStringLiteral("WC"); }
    void onWP() override { calls << QStringLiteral("WP"); }

private:
    void record(const char *code, const QByteArray &text)
    {
        calls << QLatin1String(code) + QLatin1Char(':') + QString::fromLatin1(text);
    }
};
