#include "TemperatureCodec.h"

#include "common/Vb.h"

#include <QRegularExpression>

std::optional<QByteArray> TemperatureCode(const QString &field)
{
    if (field.isEmpty() || (field[0] != u'+' && field[0] != u'-'))
        return std::nullopt;
    // Whole degrees and one decimal at most: the wire has tenths only.
    static const QRegularExpression number(QStringLiteral("^([0-9]*)(?:\\.([0-9]?))?$"));
    const QRegularExpressionMatch m = number.match(field.mid(1));
    if (!m.hasMatch())
        return std::nullopt;
    static const QRegularExpression leadingZeros(QStringLiteral("^0+"));
    const QString whole = m.captured(1).remove(leadingZeros);
    if (whole.size() > 2) // 100 degrees or more
        return std::nullopt;
    const int tenths = whole.toInt() * 10 + m.captured(2).toInt();
    return field.left(1).toLatin1() + QByteArray::number(tenths).rightJustified(3, '0');
}

std::variant<QByteArray, BadValue> EncodeTemperatureRange(const QString &upper, const QString &lower)
{
    const auto up = TemperatureCode(upper);
    if (!up)
        return BadValue{QStringLiteral("Text8")};
    const auto low = TemperatureCode(lower);
    if (!low)
        return BadValue{QStringLiteral("Text2")};
    return *up + *low;
}

namespace {
QString temperatureText(const QByteArray &value)
{
    if (value.size() != 4 || (value[0] != '+' && value[0] != '-') || ReceivedDigits(value.mid(1), 3).isEmpty())
        return {};
    return QChar::fromLatin1(value[0]) + Format(Val(value.mid(1)) / 10, QStringLiteral("00.0"));
}
} // namespace

TemperatureRangeTexts DecodeTemperatureRangeReply(const QByteArray &reply)
{
    return {temperatureText(Mid(reply, 3, 4)), temperatureText(Mid(reply, 7, 4))};
}

std::optional<QByteArray> SensorNumberCode(const QString &field)
{
    return FieldCode(field, 2);
}

QString DecodeSensorNumberReply(const QByteArray &reply)
{
    return ReceivedDigits(Mid(reply, 3, 2), 2);
}
