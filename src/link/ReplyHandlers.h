#pragma once
// One method per reply handler of the dispatch tables; every method defaults to doing
// nothing. The program's implementation is ReplyRoutes.
#include <QByteArray>

class ReplyHandlers {
public:
    virtual ~ReplyHandlers() = default;

    // Two-letter replies ("MD" and "DK" are taken and dropped by the dispatcher itself).
    virtual void onTW(const QByteArray &) {}
    virtual void onTK(const QByteArray &) {}
    virtual void onTQ(const QByteArray &) {}
    virtual void onKK(const QByteArray &) {}
    virtual void onKS(const QByteArray &) {}
    virtual void onKM(const QByteArray &) {}
    virtual void onKE(const QByteArray &) {}
    virtual void onID(const QByteArray &) {}
    virtual void onEX(const QByteArray &) {}

    // One-letter replies.
    virtual void onM(const QByteArray &) {}
    virtual void onY(const QByteArray &) {}
    virtual void onO(const QByteArray &) {}
    virtual void onP(const QByteArray &) {}
    virtual void onD(const QByteArray &) {}
    virtual void onQ(const QByteArray &) {}
    virtual void onA(const QByteArray &) {}
    virtual void onS(const QByteArray &) {}
    virtual void onC(const QByteArray &) {}
    virtual void onK(const QByteArray &) {}
    virtual void onB(const QByteArray &) {}
    virtual void onE(const QByteArray &) {}

    // Write acknowledgements: "W" replies of exactly two characters.
    virtual void onWD() {}
    virtual void onWS() {}
    virtual void onWJ() {}
    virtual void onWK() {}
    virtual void onWC() {}
    virtual void onWP() {}
};
