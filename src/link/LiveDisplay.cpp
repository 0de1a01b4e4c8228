#include "LiveDisplay.h"

#include "common/Vb.h"

namespace {
QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}
} // namespace

QString ControlStateText(char code)
{
    static const struct {
        char code;
        const char *text;
    } table[] = {
        {'0', "　通常運転 "},      {'1', " 緊急停止対象外設定 "}, {'2', " 緊急停止対象外内部 "},
        {'3', " 制御中 "},         {'G', " 注意警報制御中 "},     {'H', " 警戒警報制御中 "},
        {'4', " 限界警報制御中 "}, {'5', " 交互非制御中 "},       {'6', " COMP 停止中  "},
        {'7', " 連続制御中 "},     {'8', " 制御対象外設定 "},     {'9', " 制御エラー "},
        {'A', " SW_OFFモード "},   {'E', " 通信エラー "},         {'M', "モニター消去中 "},
        {'T', "温度センサー異常"},
    };
    for (const auto &row : table)
        if (code == row.code)
            return QString::fromUtf8(row.text);
    return QString(); // "F" and unknown codes
}

QString SprayStateText(const QByteArray &code)
{
    static const struct {
        const char *code;
        const char *text;
    } table[] = {
        {"SW", "SW_OFF ﾓｰﾄﾞ"}, {"RY", "強制噴射ﾓｰﾄﾞ"}, {"LO", "温度低下"}, {"PF", "ｺﾝﾌﾟﾚｯｻｰ停止"},
        {"ON", "水噴射中"},    {"OP", "温度ｾﾝｻｰ異常"}, {"OF", "噴射休止"}, {"FF", "動作休止"},
    };
    for (const auto &row : table)
        if (code == row.code)
            return QString::fromUtf8(row.text);
    return QString();
}

QString GroupChannelText(const QString &groupNo, const QString &channel)
{
    return QStringLiteral("GRP_") + groupNo + QStringLiteral(" ： ") + QStringLiteral("CH_") + channel;
}

MonitoringTexts DecodeMonitoringReply(const QByteArray &reply, const QString &unitTypeCode)
{
    // Missing positions read as "*": ten of them are appended before reading.
    const QByteArray r = reply + QByteArray(10, '*');
    MonitoringTexts t;
    t.link = QStringLiteral(" 通信中");
    t.powerKind = unitTypeCode == QLatin1String("D");
    if (t.powerKind)
        return t;

    const QByteArray currentDigits = Mid(r, 2, 4);
    QByteArray extraDigit = Mid(r, 6, 1);
    if (extraDigit == "*")
        extraDigit = "0";

    t.temperature =
        text(Mid(r, 10, 1)) + Format(Val(Mid(r, 7, 3)) / 10, QStringLiteral("00.0")) + QStringLiteral("_℃");
    t.current = Format(Val(currentDigits) / 10, QStringLiteral("000.0")) + QStringLiteral("_A");
    t.currentFine =
        Format(Val(currentDigits + extraDigit) / 100, QStringLiteral("000.00")) + QStringLiteral("_A");

    t.unitChNo = text(Mid(r, 11, 2));
    const bool spray = unitTypeCode == QLatin1String("WJ");
    if (spray) {
        t.sprayNo = text(Mid(r, 18, 2));
        t.channelLabel = QStringLiteral("水噴射番号: ") + t.sprayNo;
    } else {
        t.channelLabel = QStringLiteral("CH番号: ") + t.unitChNo;
    }
    t.version = QStringLiteral("Ver_No.： ") + text(Mid(r, 16, 2));
    t.unitIdText = QStringLiteral(" ID_No ： ") + text(Mid(r, 14, 2));
    const QByteArray controlState = Mid(r, 13, 1);
    if (spray)
        t.state = SprayStateText(Mid(r, 20, 2)) + QStringLiteral(" _ ") + text(Mid(r, 22, 1));
    else if (!controlState.isEmpty())
        t.state = ControlStateText(controlState.at(0));
    return t;
}

QString UnitWeekdayName(const QString &digit, const QString &previousName)
{
    static const QString names = QStringLiteral("月火水木金土日");
    if (digit.size() == 1 && digit[0] >= QLatin1Char('0') && digit[0] <= QLatin1Char('6'))
        return names.mid(digit[0].unicode() - '0', 1);
    return previousName;
}

ClockTexts DecodeClockReply(const QByteArray &reply, const QString &unitTypeCode, const QString &weekdayName)
{
    auto at = [&](int pos, int len) { return text(Mid(reply, pos, len)); };
    ClockTexts c;
    c.hh = at(2, 2);
    c.mi = at(4, 2);
    c.ss = at(8, 2);
    c.mm = at(10, 2);
    c.dd = at(12, 2);
    c.yy = at(18, 2);
    c.weekdayDigit = at(17, 1);
    c.dateTime = c.yy + QStringLiteral("年") + c.mm + QStringLiteral("月") + c.dd + QStringLiteral("日") +
                 c.hh + QStringLiteral("時") + c.mi + QStringLiteral("分");
    const QString name = UnitWeekdayName(c.weekdayDigit, weekdayName);
    c.clockDate = QStringLiteral("20") + c.yy + QStringLiteral("年") + c.mm + QStringLiteral("月") + c.dd +
                  QStringLiteral("日") + QStringLiteral("_") + name;
    c.clockTime = c.hh + QStringLiteral("時") + c.mi + QStringLiteral("分");
    if (unitTypeCode == QLatin1String("WJ"))
        c.band = QStringLiteral("水噴射_季節_") + at(23, 1) + QStringLiteral(" 時限_") + at(24, 1);
    else
        c.band = QStringLiteral(" 季節_") + at(14, 1) + QStringLiteral(" 時限_") + at(15, 1) +
                 QStringLiteral(" 休_") + at(16, 1);
    return c;
}
