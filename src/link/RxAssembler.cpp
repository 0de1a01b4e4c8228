#include "RxAssembler.h"

#include <utility>

void RxAssembler::feed(char c, const Dispatch &dispatch)
{
    if (RxSynced && c != ETX && RxBuffer.size() >= MaxPending) {
        // A frame this long has lost its ETX for good: drop it and look for the next STX,
        // which may be this very character.
        RxBuffer.clear();
        RxSynced = false;
    }
    if (!RxSynced) {
        if (c == STX)
            RxSynced = true;
        return;
    }
    if (c != ETX) {
        RxBuffer.append(c); // an STX inside a frame is text like any other
        return;
    }
    // The state is reset before the handlers run, so a handler that lets the event loop
    // run (and more characters arrive) starts from a clean assembler.
    const QByteArray text = std::exchange(RxBuffer, QByteArray());
    RxSynced = false;
    RxCode = text.left(1);
    QByteArray code = RxCode;
    if (dispatch)
        dispatch(text, code);
    RxCode = code;
}

void RxAssembler::feed(const QByteArray &bytes, const Dispatch &dispatch)
{
    for (char c : bytes)
        feed(c, dispatch);
}
