#include "LogExport.h"

#include "common/Vb.h"

#include <QRegularExpression>

namespace LogExport {

QStringList csvLines(const QList<QStringList> &rows)
{
    static const QRegularExpression tabs(QStringLiteral("\\t+"));
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList &row : rows) {
        QStringList fields;
        for (QString field : row) {
            field = field.replace(tabs, QStringLiteral(" ")).trimmed();
            if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')))
                field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                        QLatin1Char('"');
            fields << field;
        }
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

QString csvFileName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? name.left(dot) : name) + QStringLiteral(".csv");
}

bool cellValue(const QString &text, double *value)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?[0-9]"));
    if (!number.match(text).hasMatch())
        return false;
    *value = Val(text);
    return true;
}

} // namespace LogExport
