// Each reply codec on its own: the input is a byte choosing the unit kind, then the reply's
// text after its code, so that every input reaches the decoder (ReplyDecoders lists them).
// No window, no port, no file.
#include "FuzzTargets.h"
#include "ReplyDecoders.h"

#include <utility>

namespace fuzz {

namespace {

template <size_t I> int replyCodec(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const ReplyDecoder &d = ReplyDecoders[I];
    d.decode(QByteArray(d.code) + QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)),
             unitKindOf(data[0]));
    return 0;
}

template <size_t... I> bool registerAll(std::index_sequence<I...>)
{
    (all().push_back({ReplyDecoders[I].target, &replyCodec<I>}), ...);
    return true;
}

[[maybe_unused]] const bool registered = registerAll(std::make_index_sequence<ReplyDecoders.size()>());

} // namespace

} // namespace fuzz
