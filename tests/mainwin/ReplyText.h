#pragma once
#include <QByteArray>

// A reply written field by field with blanks between the fields: "A 09 05" is "A0905".
inline QByteArray fields(const char *spaced)
{
    return QByteArray(spaced).replace(' ', "");
}
