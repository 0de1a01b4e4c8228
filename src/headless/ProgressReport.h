#pragma once
// What a headless download shows on standard error: a progress bar on a terminal, plain
// lines otherwise (a log file, the journal), and the summary at the end.
#include <QObject>
#include <QString>
#include <cstdio>

class DownloadSession;
class HeadlessDownload;
struct UnitOutcome;

class ProgressReport : public QObject {
    Q_OBJECT
public:
    ProgressReport(DownloadSession &session, HeadlessDownload &download, std::FILE *out, bool terminal,
                   QObject *parent = nullptr);

    // "unit 05 (A): 31 days stored" or "unit 07 (A): FAILED: ...", one line a unit.
    static QString summaryLine(const UnitOutcome &outcome);
    // A line of its own about the running unit.
    void note(const QString &text);

private:
    void write(const QString &text);
    void drawBar();

    std::FILE *m_out;
    bool m_terminal;
    QString m_unit; // "05 (A)"
    int m_value = 0, m_maximum = 0;
    QString m_text;
    bool m_barShown = false;
};
