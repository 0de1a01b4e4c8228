#include "ReplyRoutes.h"

const char *replyName(Reply code)
{
    static const char *const names[ReplyCount] = {
        "TW", "TK", "TQ", "KK", "KS", "KM", "KE", "ID", "EX", "M",  "Y",  "O",  "P",  "D",
        "Q",  "A",  "S",  "C",  "K",  "B",  "E",  "WD", "WS", "WJ", "WK", "WC", "WP",
    };
    return names[int(code)];
}

void ReplyRoutes::run(Reply code, const QByteArray &text) const
{
    if (observer)
        observer(code, text);
    // By index: a step that registers another step cannot invalidate the loop.
    const std::vector<Step> &steps = m_steps[size_t(code)];
    for (size_t i = 0; i < steps.size(); ++i)
        steps[i](text);
}
