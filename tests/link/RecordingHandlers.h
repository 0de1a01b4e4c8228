#pragma once
// Reply routes that record every reply handed on as "code" (write acknowledgements) or
// "code:text", in order.
#include "link/ReplyRoutes.h"

#include <QStringList>

class RecordingHandlers : public ReplyRoutes {
public:
    QStringList calls;

    RecordingHandlers()
    {
        for (int i = 0; i < ReplyCount; ++i) {
            const Reply code = Reply(i);
            const bool writeAck = code >= Reply::WD;
            add(code, [this, code, writeAck](const QByteArray &text) {
                const QString name = QLatin1String(replyName(code));
                calls << (writeAck ? name : name + QLatin1Char(':') + QString::fromLatin1(text));
            });
        }
    }
};
