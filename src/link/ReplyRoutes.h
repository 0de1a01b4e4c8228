#pragma once
// The dispatcher's one sink: each reply code runs the steps registered for it, in the
// order registered. Every window registers its own steps beside its class; one wiring
// file registers the windows in the order the reply table names them.
#include "ReplyHandlers.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <vector>

// Every code the dispatcher hands on, in the order of its tables.
enum class Reply {
    TW, TK, TQ, KK, KS, KM, KE, ID, EX,   // two letters
    M, Y, O, P, D, Q, A, S, C, K, B, E,   // one letter
    WD, WS, WJ, WK, WC, WP,               // write acknowledgements
};
inline constexpr int ReplyCount = int(Reply::WP) + 1;

// "TW", "M", "WD": the reply's code as the unit sends it.
const char *replyName(Reply code);

class ReplyRoutes : public ReplyHandlers {
public:
    using Step = std::function<void(const QByteArray &)>;

    void add(Reply code, Step step) { m_steps[size_t(code)].push_back(std::move(step)); }
    // Runs the steps of a code (write acknowledgements get their two characters).
    void run(Reply code, const QByteArray &text) const;
    // Called for every reply handed on, before its steps (counts replies in tests).
    std::function<void(Reply, const QByteArray &)> observer;

    void onTW(const QByteArray &t) override { run(Reply::TW, t); }
    void onTK(const QByteArray &t) override { run(Reply::TK, t); }
    void onTQ(const QByteArray &t) override { run(Reply::TQ, t); }
    void onKK(const QByteArray &t) override { run(Reply::KK, t); }
    void onKS(const QByteArray &t) override { run(Reply::KS, t); }
    void onKM(const QByteArray &t) override { run(Reply::KM, t); }
    void onKE(const QByteArray &t) override { run(Reply::KE, t); }
    void onID(const QByteArray &t) override { run(Reply::ID, t); }
    void onEX(const QByteArray &t) override { run(Reply::EX, t); }
    void onM(const QByteArray &t) override { run(Reply::M, t); }
    void onY(const QByteArray &t) override { run(Reply::Y, t); }
    void onO(const QByteArray &t) override { run(Reply::O, t); }
    void onP(const QByteArray &t) override { run(Reply::P, t); }
    void onD(const QByteArray &t) override { run(Reply::D, t); }
    void onQ(const QByteArray &t) override { run(Reply::Q, t); }
    void onA(const QByteArray &t) override { run(Reply::A, t); }
    void onS(const QByteArray &t) override { run(Reply::S, t); }
    void onC(const QByteArray &t) override { run(Reply::C, t); }
    void onK(const QByteArray &t) override { run(Reply::K, t); }
    void onB(const QByteArray &t) override { run(Reply::B, t); }
    void onE(const QByteArray &t) override { run(Reply::E, t); }
    void onWD() override { run(Reply::WD, "WD"); }
    void onWS() override { run(Reply::WS, "WS"); }
    void onWJ() override { run(Reply::WJ, "WJ"); }
    void onWK() override { run(Reply::WK, "WK"); }
    void onWC() override { run(Reply::WC, "WC"); }
    void onWP() override { run(Reply::WP, "WP"); }

private:
    std::array<std::vector<Step>, ReplyCount> m_steps;
};
