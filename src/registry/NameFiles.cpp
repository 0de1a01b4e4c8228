#include "NameFiles.h"

namespace NameFiles {

QStringList splitFields(const QString &line, int fields)
{
    QStringList out = line.split(QLatin1Char('\t'));
    out.resize(fields);
    return out;
}

QString joinFields(const QStringList &fields)
{
    QStringList clean;
    for (QString f : fields) {
        f.replace(QLatin1Char('\t'), QLatin1Char(' '));
        f.replace(QLatin1Char('\r'), QLatin1Char(' '));
        f.replace(QLatin1Char('\n'), QLatin1Char(' '));
        clean << f;
    }
    return clean.join(QLatin1Char('\t'));
}

} // namespace NameFiles
