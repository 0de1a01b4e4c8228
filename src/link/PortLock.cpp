#include "PortLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

PortLock::PortLock() = default;
PortLock::~PortLock() = default;

QString PortLock::lockFilePath(const QString &device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    QString name = canonical.isEmpty() ? device : canonical;
    for (QChar &c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return QDir(QDir::tempPath()).filePath(QStringLiteral("unitdesk-port-") + name + QStringLiteral(".lock"));
}

bool PortLock::lock(const QString &device)
{
    unlock();
    m_holder.clear();
    auto file = std::make_unique<QLockFile>(lockFilePath(device));
    file->setStaleLockTime(0); // only a holder that is gone makes a lock stale
    if (file->tryLock(0)) {
        m_file = std::move(file);
        return true;
    }
    qint64 pid = 0;
    QString host, app;
    if (file->getLockInfo(&pid, &host, &app))
        m_holder = QStringLiteral("%1 (pid %2 on %3)").arg(app.isEmpty() ? QStringLiteral("?") : app).arg(pid).arg(host);
    else
        m_holder = QStringLiteral("another program (%1)").arg(lockFilePath(device));
    return false;
}

void PortLock::unlock()
{
    m_file.reset(); // unlocks
}

bool PortLock::isLocked() const
{
    return m_file && m_file->isLocked();
}
