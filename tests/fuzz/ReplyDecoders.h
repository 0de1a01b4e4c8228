#pragma once
// Every reply code whose text a codec decodes, with the decoders it reaches as the windows
// call them, for the unit kind selected (where the layout depends on it). The codes that only set a
// status text (TK, KK, KM, KE, ID, EX, the write acknowledgements) have none; Y and O are
// read by the download chain, which the whole-program target reply_path drives.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace fuzz {

struct ReplyDecoder {
    const char *code;   // the reply's code, as the dispatcher matches it
    const char *target; // the fuzz target of this codec alone
    void (*decode)(const QByteArray &reply, const QString &unitTypeCode);
};

// The unit kind an input's first byte selects (UnitKinds, in turn).
QString unitKindOf(uint8_t selector);

extern const std::array<ReplyDecoder, 13> ReplyDecoders;

} // namespace fuzz
