#include "ProgressReport.h"

#include "HeadlessDownload.h"
#include "logstore/DownloadSession.h"

ProgressReport::ProgressReport(DownloadSession &session, HeadlessDownload &download, std::FILE *out,
                               bool terminal, QObject *parent)
    : QObject(parent), m_out(out), m_terminal(terminal)
{
    connect(&download, &HeadlessDownload::unitStarted, this,
            [this](const DownloadUnit &unit, int index, int count) {
                m_unit = unit.unitId + QStringLiteral(" (") + unit.kind + QLatin1Char(')');
                m_value = m_maximum = 0;
                m_text.clear();
                if (!m_terminal)
                    write(QStringLiteral("unit %1: started (%2 of %3)").arg(m_unit).arg(index + 1).arg(count));
            });
    connect(&download, &HeadlessDownload::unitEnded, this,
            [this](const UnitOutcome &outcome) { write(summaryLine(outcome)); });
    connect(&session, &DownloadSession::progressChanged, this, [this](int value, int maximum) {
        m_value = value;
        m_maximum = maximum;
        if (m_terminal)
            drawBar();
    });
    connect(&session, &DownloadSession::progressText, this, [this](const QString &text) {
        m_text = text;
        if (m_terminal)
            drawBar();
        else
            write(QStringLiteral("unit %1: %2").arg(m_unit, text));
    });
}

QString ProgressReport::summaryLine(const UnitOutcome &o)
{
    const QString unit = QStringLiteral("unit ") + o.unit.unitId + QStringLiteral(" (") + o.unit.kind + QLatin1Char(')');
    const QString days = QStringLiteral("%1 day%2 stored").arg(o.daysStored).arg(o.daysStored == 1 ? "" : "s");
    return o.ok() ? unit + QStringLiteral(": ") + days
                  : unit + QStringLiteral(": FAILED (") + days + QStringLiteral("): ") + o.failure;
}

void ProgressReport::note(const QString &text)
{
    write(QStringLiteral("unit %1: %2").arg(m_unit, text));
}

void ProgressReport::write(const QString &text)
{
    if (m_barShown) {
        std::fputs("\r\033[K", m_out);
        m_barShown = false;
    }
    std::fputs(qPrintable(text + QLatin1Char('\n')), m_out);
    std::fflush(m_out);
}

void ProgressReport::drawBar()
{
    constexpr int Width = 30;
    const int filled = m_maximum > 0 ? qBound(0, m_value * Width / m_maximum, Width) : 0;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(Width - filled, QLatin1Char('-'));
    std::fputs(qPrintable(QStringLiteral("\r\033[Kunit %1 [%2] %3").arg(m_unit, bar, m_text)), m_out);
    std::fflush(m_out);
    m_barShown = true;
}
