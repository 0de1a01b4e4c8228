#pragma once
// The command line of "unitdesk report": which group, month and kind, and where the PDF
// and the CSV file go. Pure: parsing knows no file.
#include <QDate>
#include <QString>
#include <QStringList>

struct ReportOptions {
    QString groupNo; // "01".."50"; empty: the group in use
    int year = 0, month = 0;
    QString kind = QStringLiteral("A");
    QString pdf, csv; // native paths; at least one
    QString root;     // --root DIR
    bool help = false;
    QString error; // what is wrong with the command line
};

// today: what "last" (the default month) means.
ReportOptions ParseReportOptions(const QStringList &arguments, const QDate &today);
QString ReportUsage();
