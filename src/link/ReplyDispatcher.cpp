#include "ReplyDispatcher.h"

namespace {

using TextHandler = void (ReplyHandlers::*)(const QByteArray &);

struct TwoLetterCode {
    const char *code;
    TextHandler handler; // none: the reply is taken and dropped
    bool clearsRxCode;   // keeps the one-letter stage from seeing the reply
};

// Tried in this order; at most one runs.
const TwoLetterCode twoLetterCodes[] = {
    {"MD", nullptr, true},
    {"DK", nullptr, true},
    {"TW", &ReplyHandlers::onTW, true},
    {"TK", &ReplyHandlers::onTK, false},
    {"TQ", &ReplyHandlers::onTQ, true},
    {"KK", &ReplyHandlers::onKK, true},
    {"KS", &ReplyHandlers::onKS, true},
    {"KM", &ReplyHandlers::onKM, true},
    {"KE", &ReplyHandlers::onKE, true},
    {"ID", &ReplyHandlers::onID, false},
    {"EX", &ReplyHandlers::onEX, false}, // "E" then runs too
};

struct OneLetterCode {
    char code;
    TextHandler handler; // none: "W", the write acknowledgements
};

// Tried in this order; at most one runs. After a "C" reply the main window asks for the
// second half of the time bands: the dispatcher has no link to send on.
const OneLetterCode oneLetterCodes[] = {
    {'M', &ReplyHandlers::onM},
    {'Y', &ReplyHandlers::onY},
    {'O', &ReplyHandlers::onO},
    {'P', &ReplyHandlers::onP},
    {'D', &ReplyHandlers::onD},
    {'Q', &ReplyHandlers::onQ},
    {'A', &ReplyHandlers::onA},
    {'S', &ReplyHandlers::onS},
    {'C', &ReplyHandlers::onC},
    {'K', &ReplyHandlers::onK},
    {'B', &ReplyHandlers::onB},
    {'E', &ReplyHandlers::onE},
    {'W', nullptr},
};

// A write acknowledgement is exactly two characters; anything longer is not one.
void dispatchWriteAck(const QByteArray &text, ReplyHandlers &handlers)
{
    if (text.size() != 2)
        return;
    switch (text.at(1)) {
    case 'D':
        handlers.onWD();
        break;
    case 'S':
        handlers.onWS();
        break;
    case 'J':
        handlers.onWJ();
        break;
    case 'K':
        handlers.onWK();
        break;
    case 'C':
        handlers.onWC();
        break;
    case 'P':
        handlers.onWP();
        break;
    default:
        break;
    }
}

} // namespace

void DispatchReply(const QByteArray &text, QByteArray &rxCode, ReplyHandlers &handlers)
{
    const QByteArray twoLetters = text.left(2);
    for (const TwoLetterCode &entry : twoLetterCodes) {
        if (twoLetters != entry.code)
            continue;
        if (entry.handler)
            (handlers.*entry.handler)(text);
        if (entry.clearsRxCode)
            rxCode.clear();
        break;
    }

    if (rxCode.size() != 1)
        return;
    for (const OneLetterCode &entry : oneLetterCodes) {
        if (rxCode.at(0) != entry.code)
            continue;
        if (entry.handler)
            (handlers.*entry.handler)(text);
        else
            dispatchWriteAck(text, handlers);
        break;
    }
}
