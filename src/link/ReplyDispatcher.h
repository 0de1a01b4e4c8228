#pragma once
#include "ReplyHandlers.h"

// Routes one reply text: the two-letter codes first, in their fixed order, then the
// one-letter codes on rxCode (which some two-letter handlers clear).
void DispatchReply(const QByteArray &text, QByteArray &rxCode, ReplyHandlers &handlers);
