#include "ReportOptions.h"

#include "OptionValues.h"

ReportOptions ParseReportOptions(const QStringList &arguments, const QDate &today)
{
    ReportOptions o;
    const QDate last = today.addMonths(-1);
    o.year = last.year();
    o.month = last.month();
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
        } else if (a == QLatin1String("--group")) {
            const QString v = value();
            o.groupNo = GroupNoValue(v);
            if (o.groupNo.isEmpty())
                fail(QStringLiteral("--group takes a group number from 01 to 50, not \"%1\"").arg(v));
        } else if (a == QLatin1String("--month")) {
            const QString v = value();
            const QDate d = QDate::fromString(v + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
            if (v == QLatin1String("last")) {
                // the default
            } else if (!d.isValid() || d.year() < 2000 || d.year() > 2099) {
                fail(QStringLiteral("--month takes YYYY-MM (2000 to 2099) or last, not \"%1\"").arg(v));
            } else {
                o.year = d.year();
                o.month = d.month();
            }
        } else if (a == QLatin1String("--kind")) {
            const QString v = value().toUpper();
            if (!UnitKindCodes().contains(v))
                fail(QStringLiteral("--kind takes A, B, WJ, C, D or G, not \"%1\"").arg(v));
            else
                o.kind = v;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--csv")) {
            const QString v = value();
            if (v.isEmpty())
                fail(QStringLiteral("%1 needs a file").arg(a));
            (a == QLatin1String("--pdf") ? o.pdf : o.csv) = v;
        } else if (a == QLatin1String("--root")) {
            o.root = value();
            if (o.root.isEmpty())
                fail(QStringLiteral("--root needs a folder"));
        } else {
            fail((arguments[i].startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option %1")
                                                            : QStringLiteral("unexpected argument %1"))
                     .arg(arguments[i]));
        }
    }
    if (!o.help && o.error.isEmpty() && o.pdf.isEmpty() && o.csv.isEmpty())
        fail(QStringLiteral("name the output: --pdf FILE, --csv FILE or both"));
    return o;
}

QString ReportUsage()
{
    return QStringLiteral(
        "Usage: unitdesk report [--group NN] [--month YYYY-MM] [--kind KIND]\n"
        "                       (--pdf FILE | --csv FILE)... [--root DIR]\n"
        "\n"
        "Writes the month report of a group (月報: one row per channel with stored data in\n"
        "the month, and a total) as a PDF file, a CSV file or both; no window and no display.\n"
        "\n"
        "  --group NN    data group 01 to 50 (default: the group in use)\n"
        "  --month M     YYYY-MM, or last (the default: the month before this one)\n"
        "  --kind KIND   unit kind: A (default), B, WJ, C, D or G\n"
        "  --pdf FILE    the printed pages (A4 landscape) as a PDF file\n"
        "  --csv FILE    the table as CSV (UTF-8 with a byte order mark, CR LF)\n"
        "  --root DIR    folder that stands for drive C: (as for the window)\n"
        "\n"
        "Exit status: 0 when the files were written, 1 when no channel has data for that\n"
        "month or a file could not be written, 2 for a bad command line.\n");
}
