// The line's bytes as the port hands them on: the receive assembler, the dispatcher's
// tables and, through the routing table, the decoder of every reply code (ReplyDecoders).
// The first byte chooses the unit kind. No window is built: the fast counterpart of
// reply_path.
#include "FuzzTargets.h"
#include "ReplyDecoders.h"

#include "link/ReplyDispatcher.h"
#include "link/ReplyRoutes.h"
#include "link/RxAssembler.h"

#include <cstring>

namespace fuzz {

namespace {

QString currentKind; // the kind of the input being run

ReplyRoutes &decodingRoutes()
{
    static ReplyRoutes routes = [] {
        ReplyRoutes r;
        for (int i = 0; i < ReplyCount; ++i)
            for (const ReplyDecoder &d : ReplyDecoders)
                if (std::strcmp(replyName(Reply(i)), d.code) == 0)
                    r.add(Reply(i),
                          [decode = d.decode](const QByteArray &text) { decode(text, currentKind); });
        return r;
    }();
    return routes;
}

int lineBytes(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    currentKind = unitKindOf(data[0]);
    RxAssembler assembler;
    assembler.feed(
        QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)),
        [](const QByteArray &text, QByteArray &rxCode) { DispatchReply(text, rxCode, decodingRoutes()); });
    // A frame that lost its ETX never grows beyond the limit.
    if (assembler.RxBuffer.size() > RxAssembler::MaxPending)
        __builtin_trap();
    return 0;
}

} // namespace

UNITDESK_FUZZ_TARGET(line_bytes, lineBytes)

} // namespace fuzz
