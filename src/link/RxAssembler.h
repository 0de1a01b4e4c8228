#pragma once
// Turns the characters received from the port into complete reply texts.
#include <QByteArray>
#include <functional>

class RxAssembler {
public:
    static constexpr char STX = 0x02;
    static constexpr char ETX = 0x03;
    // No handler reads beyond character 97; a pending frame longer than this is dropped
    // and the assembler waits for the next STX.
    static constexpr int MaxPending = 1024;

    // Called on ETX with the reply text and RxCode (its first character); the handler may
    // clear rxCode, as the dispatcher does for some two-letter codes.
    using Dispatch = std::function<void(const QByteArray &text, QByteArray &rxCode)>;

    void feed(char c, const Dispatch &dispatch);
    void feed(const QByteArray &bytes, const Dispatch &dispatch);

    bool RxSynced = false;
    QByteArray RxBuffer;
    QByteArray RxCode;
};
