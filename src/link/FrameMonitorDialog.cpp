#include "FrameMonitorDialog.h"

#include "SerialLink.h"
#include "common/DriveMap.h"
#include "ui/Prompt.h"
#include "ui/WindowSet.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <deque>

// The listed entries of the log: numbers of the entries that pass the filter, taken in as
// the log grows and dropped as its ring forgets them.
class FrameLogModel : public QAbstractTableModel {
public:
    FrameLogModel(const FrameLog &log, QObject *parent) : QAbstractTableModel(parent), m_log(log) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char *const titles[] = {"時刻", "方向", "種別", "内容"};
        return QString::fromUtf8(titles[section]);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const FrameLog::Entry &e = entry(index.row());
        switch (index.column()) {
        case 0:
            return FrameLog::timeText(e.msecs);
        case 1:
            return FrameLog::directionText(e.direction);
        case 2:
            return FrameLog::kindText(e.kind);
        default:
            return m_hex ? FrameLog::hex(e.bytes) : FrameLog::text(e.bytes);
        }
    }

    const FrameLog::Entry &entry(int row) const { return m_log.at(qsizetype(m_rows[size_t(row)] - oldest())); }
    bool hexView() const { return m_hex; }
    void setHexView(bool on)
    {
        m_hex = on;
        if (!m_rows.empty())
            emit dataChanged(index(0, 3), index(rowCount() - 1, 3));
    }
    void setFilter(const QByteArray &code)
    {
        beginResetModel();
        m_code = code;
        m_seen = oldest();
        m_rows = newRows();
        endResetModel();
    }
    void reset()
    {
        beginResetModel();
        m_rows.clear();
        m_seen = m_log.added();
        endResetModel();
    }
    // New entries in, forgotten ones out.
    void update()
    {
        size_t gone = 0;
        while (gone < m_rows.size() && m_rows[gone] < oldest())
            ++gone;
        if (gone > 0) {
            beginRemoveRows({}, 0, int(gone) - 1);
            m_rows.erase(m_rows.begin(), m_rows.begin() + qsizetype(gone));
            endRemoveRows();
        }
        const std::deque<quint64> rows = newRows();
        if (rows.empty())
            return;
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
        m_rows.insert(m_rows.end(), rows.begin(), rows.end());
        endInsertRows();
    }

private:
    quint64 oldest() const { return m_log.added() - quint64(m_log.size()); }
    // The entries added since the last look that pass the filter.
    std::deque<quint64> newRows()
    {
        std::deque<quint64> rows;
        for (quint64 n = qMax(m_seen, oldest()); n < m_log.added(); ++n)
            if (m_code.isEmpty() || FrameLog::hasCode(m_log.at(qsizetype(n - oldest())), m_code))
                rows.push_back(n);
        m_seen = m_log.added();
        return rows;
    }

    const FrameLog &m_log;
    std::deque<quint64> m_rows;
    quint64 m_seen = 0;
    QByteArray m_code;
    bool m_hex = false;
};

FrameMonitorDialog::FrameMonitorDialog(SerialLink &link, QWidget *parent)
    : QWidget(parent, Qt::Window), m_link(link)
{
    setObjectName(QStringLiteral("frmMonitor"));
    setWindowTitle(QStringLiteral("通信モニター"));

    auto *codeLabel = new QLabel(QStringLiteral("コード:"), this);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setMaxLength(8);
    txtFilter->setPlaceholderText(QStringLiteral("全て"));
    txtFilter->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWW")));
    chkHex = new QCheckBox(QStringLiteral("16進表示"), this);
    chkHex->setObjectName(QStringLiteral("chkHex"));
    cmdPause = new QPushButton(QStringLiteral("一時停止"), this);
    cmdPause->setObjectName(QStringLiteral("cmdPause"));
    cmdPause->setCheckable(true);
    cmdClear = new QPushButton(QStringLiteral("クリア"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdSave = new QPushButton(QStringLiteral("保存..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    // A fixed width: a count that grows does not lay the window out again.
    lblCount->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("表示 100000 / 記録 100000")) + 8);
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_model = new FrameLogModel(m_log, this);
    lstFrames = new QTableView(this);
    lstFrames->setObjectName(QStringLiteral("lstFrames"));
    lstFrames->setModel(m_model);
    lstFrames->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstFrames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFrames->setWordWrap(false);
    lstFrames->verticalHeader()->hide();
    lstFrames->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstFrames->horizontalHeader()->setStretchLastSection(true);
    lstFrames->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics fixed(lstFrames->font());
    lstFrames->verticalHeader()->setDefaultSectionSize(qMax(fixed.height(), fontMetrics().height()) + 6);
    lstFrames->setColumnWidth(0, fixed.horizontalAdvance(QStringLiteral("00:00:00.000")) + 16);
    lstFrames->setColumnWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("子機 → PC")) + 24);
    lstFrames->setColumnWidth(2, fontMetrics().horizontalAdvance(QStringLiteral("フレーム")) + 24);

    auto *tools = new QHBoxLayout;
    tools->addWidget(codeLabel);
    tools->addWidget(txtFilter);
    tools->addSpacing(8);
    tools->addWidget(chkHex);
    tools->addStretch(1);
    tools->addWidget(lblCount);
    tools->addSpacing(8);
    tools->addWidget(cmdPause);
    tools->addWidget(cmdClear);
    tools->addWidget(cmdSave);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(tools);
    outer->addWidget(lstFrames, 1);
    resize(760, 480);
    setFocusProxy(lstFrames); // no blinking cursor in the filter until it is wanted

    tmrRefresh = new QTimer(this);
    tmrRefresh->setObjectName(QStringLiteral("tmrRefresh"));
    tmrRefresh->setInterval(500); // often enough to follow, seldom enough to cost nothing
    connect(tmrRefresh, &QTimer::timeout, this, &FrameMonitorDialog::refresh);
    tmrRefresh->start();

    // The tap: a time stamp and an append per write or read, nothing more while the
    // download runs; the list catches up at the next tick.
    connect(&link, &SerialLink::frameSent, this,
            [this](const QByteArray &frame) { m_log.sent(QDateTime::currentMSecsSinceEpoch(), frame); });
    connect(&link, &SerialLink::bytesReceived, this,
            [this](const QByteArray &bytes) { m_log.received(QDateTime::currentMSecsSinceEpoch(), bytes); });

    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString &code) {
        m_model->setFilter(code.trimmed().toLatin1());
        showCount();
    });
    connect(chkHex, &QCheckBox::toggled, this, [this](bool on) { m_model->setHexView(on); });
    connect(cmdPause, &QPushButton::toggled, this, [this](bool paused) {
        cmdPause->setText(paused ? QStringLiteral("再開") : QStringLiteral("一時停止"));
        if (!paused)
            refresh();
    });
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        m_log.clear();
        m_shown = m_log.added();
        m_model->reset();
        showCount();
    });
    connect(cmdSave, &QPushButton::clicked, this, &FrameMonitorDialog::save);
    showCount();
}

FrameMonitorDialog::~FrameMonitorDialog() = default;

void FrameMonitorDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Monitor, [s] { return new FrameMonitorDialog(s.link, s.mainWindow); });
}

void FrameMonitorDialog::refresh()
{
    if (cmdPause->isChecked() || m_log.added() == m_shown)
        return;
    m_shown = m_log.added();
    QScrollBar *bar = lstFrames->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    m_model->update();
    if (atEnd)
        lstFrames->scrollToBottom();
    showCount();
}

void FrameMonitorDialog::showCount()
{
    lblCount->setText(QStringLiteral("表示 %1 / 記録 %2").arg(m_model->rowCount()).arg(m_log.size()));
}

void FrameMonitorDialog::save()
{
    Prompt::FileDialog dialog;
    dialog.mode = Prompt::FileDialog::Save;
    dialog.title = QStringLiteral("通信モニターの保存");
    dialog.initialDir = QStringLiteral("C:\\");
    dialog.filter = QStringLiteral("テキスト (*.txt)|*.txt");
    dialog.fileName = QStringLiteral("monitor.txt");
    const QString path = Prompt::chooseFile(dialog, this);
    if (path.isEmpty())
        return;
    QString text;
    for (int row = 0; row < m_model->rowCount(); ++row)
        text += FrameLog::line(m_model->entry(row), m_model->hexView()) + QStringLiteral("\r\n");
    QSaveFile file(DriveMap::toNative(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        Prompt::fileNotWritten(path, this);
}
