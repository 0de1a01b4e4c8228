#include "Vb.h"

#include <QtGlobal>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Adds one unit in the last place of a string of decimal digits; returns the carry.
bool incrementDigits(QByteArray &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

} // namespace

QString Format(double value, const QString &mask)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const QString intMask = point < 0 ? mask : mask.left(point);
    const int decimals = point < 0 ? 0 : int(mask.size() - point - 1);
    const int minIntDigits = int(intMask.count(QLatin1Char('0')));

    // Round on the decimal digits of the value (15 significant digits, as the value was
    // typed), not on its binary approximation: 2.25 is really 2.2499999..., yet gives 2.3.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    QByteArray mantissa = QByteArray(buf, 1) + QByteArray(buf + 2, 14); // 15 digits
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);

    // The value is 0.<mantissa> * 10^(exponent + 1); lay it out as integer and fraction.
    QByteArray intPart, fraction;
    if (exponent >= 0) {
        intPart = mantissa.left(exponent + 1);
        intPart += QByteArray(qMax(0, exponent + 1 - int(mantissa.size())), '0');
        fraction = mantissa.mid(exponent + 1);
    } else {
        fraction = QByteArray(-exponent - 1, '0') + mantissa;
    }
    fraction += QByteArray(qMax(0, decimals + 1 - int(fraction.size())), '0');

    QByteArray digits = intPart + fraction.left(decimals);
    if (fraction[decimals] >= '5' && incrementDigits(digits))
        digits.prepend('1');
    intPart = digits.left(digits.size() - decimals);
    fraction = digits.right(decimals);

    while (!intPart.isEmpty() && intPart[0] == '0')
        intPart.remove(0, 1);
    if (intPart.size() < minIntDigits)
        intPart.prepend(QByteArray(minIntDigits - intPart.size(), '0'));

    QString text = QString::fromLatin1(intPart);
    if (decimals > 0)
        text += QLatin1Char('.') + QString::fromLatin1(fraction);
    // A value that rounds to zero is shown without a sign ("0.0", not "-0.0").
    if (value < 0 && digits.count('0') != digits.size())
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Format(const QString &text, const QString &mask)
{
    if (text.isEmpty())
        return QString();
    return Format(Val(text), mask);
}

double Val(const QString &text)
{
    // VB's Val ignores blanks, tabs and line feeds anywhere in the number.
    QByteArray number;
    bool seenDigit = false, seenPoint = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && number.isEmpty()) {
            number += char(c.unicode());
            continue;
        }
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number += char(c.unicode());
            seenDigit = true;
            continue;
        }
        if (c == QLatin1Char('.') && !seenPoint) {
            number += '.';
            seenPoint = true;
            continue;
        }
        break;
    }
    if (!seenDigit)
        return 0.0;
    const double v = std::strtod(number.constData(), nullptr);
    return v == 0.0 ? 0.0 : v; // no negative zero
}

double Val(const QByteArray &text)
{
    return Val(QString::fromLatin1(text));
}

namespace {

template <typename T> T midOf(const T &text, int start, int length)
{
    // Positions before 1 are as missing as positions beyond the end.
    qsizetype from = qsizetype(start) - 1;
    qsizetype count = length < 0 ? text.size() : qsizetype(length);
    if (from < 0) {
        if (length >= 0)
            count = qMax<qsizetype>(0, count + from);
        from = 0;
    }
    if (from >= text.size() || count <= 0)
        return T();
    return text.mid(from, qMin(count, text.size() - from));
}

} // namespace

QString Mid(const QString &text, int start, int length)
{
    return midOf(text, start, length);
}

QByteArray Mid(const QByteArray &text, int start, int length)
{
    return midOf(text, start, length);
}
