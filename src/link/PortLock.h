#pragma once
// One program at a time on a line: a lock file per device, taken while the port is open,
// so that a headless download and a window never talk over each other. The lock lives in
// the temporary folder, never among the system's files; a lock left by a program that
// died is taken over.
#include <QString>
#include <memory>

class QLockFile;

class PortLock {
public:
    PortLock();
    ~PortLock();

    // Takes the lock of this device (a symbolic link counts as the device it names).
    // False when another program holds it: holder() says who.
    bool lock(const QString &device);
    void unlock();
    bool isLocked() const;
    // "unitdesk (pid 1234 on host)" of the last refused lock.
    QString holder() const { return m_holder; }

    // The lock file of a device.
    static QString lockFilePath(const QString &device);

private:
    std::unique_ptr<QLockFile> m_file;
    QString m_holder;
};
