#include "DownloadOptions.h"

#include "OptionValues.h"
#include "link/SerialLink.h"

#include <QRegularExpression>

namespace {

const QList<int> Bauds{4800, 9600, 19200, 38400, 57600, 115200};

// "5" or "05" of 0..12 as "05"; empty when not a unit ID.
QString unitId(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    if (!digits.match(text).hasMatch() || text.toInt() > 12)
        return {};
    return QStringLiteral("%1").arg(text.toInt(), 2, 10, QLatin1Char('0'));
}

// Dates the unit can log: its years are two digits after "20".
QDate parseDate(const QString &text, const QDate &today)
{
    if (text == QLatin1String("today"))
        return today;
    if (text == QLatin1String("yesterday"))
        return today.addDays(-1);
    const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return d.isValid() && d.year() >= 2000 && d.year() <= 2099 ? d : QDate();
}

} // namespace

DownloadOptions ParseDownloadOptions(const QStringList &arguments, const QDate &today)
{
    DownloadOptions o;
    QStringList ids;
    bool all = false;
    QString defaultKind = QStringLiteral("A");
    QMap<QString, QString> kinds; // per unit
    QString from = QStringLiteral("yesterday"), to = QStringLiteral("yesterday");

    auto fail = [&o](const QString &text) {
        if (o.error.isEmpty())
            o.error = text;
    };
    for (int i = 0; i < arguments.size() && o.error.isEmpty(); ++i) {
        QString a = arguments[i];
        QString inlineValue;
        bool hasInline = false;
        if (a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('='))) {
            inlineValue = a.mid(a.indexOf(QLatin1Char('=')) + 1);
            a = a.left(a.indexOf(QLatin1Char('=')));
            hasInline = true;
        }
        auto value = [&]() -> QString {
            if (hasInline)
                return inlineValue;
            if (i + 1 < arguments.size())
                return arguments[++i];
            fail(QStringLiteral("%1 needs a value").arg(a));
            return {};
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--all")) {
            all = true;
        } else if (a == QLatin1String("--unit")) {
            const QString v = value();
            const QString id = unitId(v);
            if (id.isEmpty())
                fail(QStringLiteral("--unit takes a unit ID from 00 to 12, not \"%1\"").arg(v));
            else if (!ids.contains(id))
                ids << id;
        } else if (a == QLatin1String("--kind")) {
            const QString v = value();
            const qsizetype colon = v.indexOf(QLatin1Char(':'));
            const QString kind = v.mid(colon + 1).toUpper();
            const QString id = colon < 0 ? QString() : unitId(v.left(colon));
            if (!UnitKindCodes().contains(kind) || (colon >= 0 && id.isEmpty()))
                fail(QStringLiteral("--kind takes A, B, WJ, C, D or G, or ID:KIND such as 05:C, not \"%1\"").arg(v));
            else if (colon < 0)
                defaultKind = kind;
            else
                kinds.insert(id, kind);
        } else if (a == QLatin1String("--from")) {
            from = value();
        } else if (a == QLatin1String("--to")) {
            to = value();
        } else if (a == QLatin1String("--group")) {
            const QString v = value();
            o.groupNo = GroupNoValue(v);
            if (o.groupNo.isEmpty())
                fail(QStringLiteral("--group takes a group number from 01 to 50, not \"%1\"").arg(v));
        } else if (a == QLatin1String("--baud")) {
            const QString v = value();
            bool ok = false;
            o.baud = v.toInt(&ok);
            if (!ok || !Bauds.contains(o.baud))
                fail(QStringLiteral("--baud takes 4800, 9600, 19200, 38400, 57600 or 115200, not \"%1\"").arg(v));
        } else if (a == QLatin1String("--root")) {
            o.root = value();
            if (o.root.isEmpty())
                fail(QStringLiteral("--root needs a folder"));
        } else if (a == QLatin1String("--com")) {
            const QString v = value();
            const auto mapping = ParseComMapping(v);
            if (!mapping)
                fail(QStringLiteral("--com takes COMn=DEVICE with n from 1 to 26, not \"%1\"").arg(v));
            else
                o.devices.insert(mapping->first, mapping->second);
        } else {
            fail((arguments[i].startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option %1")
                                                            : QStringLiteral("unexpected argument %1"))
                     .arg(arguments[i]));
        }
    }
    if (o.help || !o.error.isEmpty())
        return o;

    o.from = parseDate(from, today);
    o.to = parseDate(to, today);
    if (!o.from.isValid())
        fail(QStringLiteral("--from takes a date (YYYY-MM-DD, 2000 to 2099), yesterday or today, not \"%1\"").arg(from));
    else if (!o.to.isValid())
        fail(QStringLiteral("--to takes a date (YYYY-MM-DD, 2000 to 2099), yesterday or today, not \"%1\"").arg(to));
    else if (o.from > o.to)
        fail(QStringLiteral("--from %1 is after --to %2").arg(o.from.toString(Qt::ISODate), o.to.toString(Qt::ISODate)));
    else if (o.from > today)
        fail(QStringLiteral("--from %1 is after today (%2): a day that has not come has no log")
                 .arg(o.from.toString(Qt::ISODate), today.toString(Qt::ISODate)));
    else if (o.to > today)
        fail(QStringLiteral("--to %1 is after today (%2): a day that has not come has no log")
                 .arg(o.to.toString(Qt::ISODate), today.toString(Qt::ISODate)));
    else if (all && !ids.isEmpty())
        fail(QStringLiteral("--all and --unit exclude each other"));
    else if (!all && ids.isEmpty())
        fail(QStringLiteral("name the units: --unit ID (repeatable) or --all"));
    for (auto it = kinds.cbegin(); it != kinds.cend() && o.error.isEmpty(); ++it)
        if (!all && !ids.contains(it.key()))
            fail(QStringLiteral("--kind %1:%2 names a unit that is not fetched").arg(it.key(), it.value()));
    if (!o.error.isEmpty())
        return o;

    if (all)
        for (int n = 1; n <= 12; ++n)
            ids << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    for (const QString &id : std::as_const(ids))
        o.units << DownloadUnit{id, kinds.value(id, defaultKind)};
    return o;
}

QString DownloadUsage()
{
    return QStringLiteral(
        "Usage: unitdesk download (--unit ID... | --all) [--kind KIND | --kind ID:KIND]...\n"
        "                         [--from DATE] [--to DATE] [--group NN] [--baud N]\n"
        "                         [--root DIR] [--com COMn=DEVICE]...\n"
        "\n"
        "Downloads the logs of the units from DATE to DATE into the store, one unit after\n"
        "another on the one line, as the main window's month download does; no window.\n"
        "\n"
        "  --unit ID          a unit to fetch, 00 to 12 (repeatable)\n"
        "  --all              units 01 to 12\n"
        "  --kind KIND        unit kind of every unit: A (default), B, WJ, C, D or G\n"
        "  --kind ID:KIND     the kind of one unit, e.g. 05:C\n"
        "  --from DATE        first day: YYYY-MM-DD, yesterday or today (default yesterday)\n"
        "  --to DATE          last day, as --from (default yesterday)\n"
        "  --group NN         data group 01 to 50 (default: the group in use)\n"
        "  --baud N           line speed (default: the speed set in 環境設定)\n"
        "  --root DIR         folder that stands for drive C: (as for the window)\n"
        "  --com COMn=DEVICE  the device behind port COMn (as for the window)\n"
        "\n"
        "Progress goes to standard error, a summary at the end. Exit status: 0 when every\n"
        "unit was fetched, 1 when a unit failed or the port or store could not be used,\n"
        "2 for a bad command line.\n");
}
