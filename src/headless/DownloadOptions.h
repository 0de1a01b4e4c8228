#pragma once
// The command line of "unitdesk download": which units, which days, which port and store.
// Pure: parsing knows no port and no file.
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct DownloadUnit {
    QString unitId; // "00".."12"
    QString kind;   // "A", "B", "WJ", "C", "D", "G"
    bool operator==(const DownloadUnit &) const = default;
};

struct DownloadOptions {
    QList<DownloadUnit> units; // in the order they are fetched
    QDate from, to;
    QString groupNo;            // "01".."50"; empty: the stored group
    int baud = 0;               // 0: the stored speed
    QString root;               // --root DIR
    QMap<int, QString> devices; // --com COMn=DEVICE
    bool help = false;
    QString error; // what is wrong with the command line
};

// today: what "today" and "yesterday" mean.
DownloadOptions ParseDownloadOptions(const QStringList &arguments, const QDate &today);
QString DownloadUsage();
