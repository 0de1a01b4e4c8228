#include "SimWire.h"

#include "InProcessLine.h"
#ifdef UNITDESK_PTY
#include "Pty.h"
#else
class PtyDevice : public QIODevice {}; // never made: the system has no pseudo-terminals
#endif

bool SimWire::hasPseudoTerminals()
{
#ifdef UNITDESK_PTY
    return true;
#else
    return false;
#endif
}

SimWire::SimWire(Kind kind) : m_kind(kind)
{
    if (kind == Kind::InProcess) {
        m_inProcess = std::make_unique<InProcessLine>();
        m_inProcess->unitEnd().open(QIODevice::ReadWrite | QIODevice::Unbuffered);
        m_unitEnd = &m_inProcess->unitEnd();
        return;
    }
#ifdef UNITDESK_PTY
    m_pty = std::make_unique<PtyDevice>();
    if (m_pty->isValid())
        m_unitEnd = m_pty.get();
#endif
}

SimWire::~SimWire() = default;

QString SimWire::portPath() const
{
#ifdef UNITDESK_PTY
    if (m_pty)
        return m_pty->slavePath();
#endif
    return QString();
}

QIODevice *SimWire::portEnd() const
{
    return m_inProcess ? &m_inProcess->portEnd() : nullptr;
}
