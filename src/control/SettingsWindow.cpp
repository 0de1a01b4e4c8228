#include "SettingsWindow.h"

#include "common/AppState.h"
#include "common/Vb.h"
#include "link/LiveDisplay.h"
#include "link/SerialLink.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "ui/StatusBar.h"
#include "ui/UnitIdList.h"
#include "ui/WritePause.h"

#include "DigitFilter.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <QLineEdit>
#include <QScrollBar>

SettingsWindow::SettingsWindow(const WindowServices &services, WindowId id, const QString &caption)
    : QWidget(services.mainWindow, Qt::Tool), m_services(services)
{
    setObjectName(WindowSet::nameOf(id));
    setWindowTitle(caption);
    StatusBar1 = new StatusBar(2, this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    m_pause = new WritePause(*StatusBar1, 2, QString::fromLatin1(WritePauseTimer), this);
}

void SettingsWindow::setStatus(const QString &text)
{
    StatusBar1->setPanelText(2, text);
}

QString SettingsWindow::status() const
{
    return StatusBar1->panelText(2);
}

void SettingsWindow::showReplyStatus(const QString &text)
{
    m_pause->show(text);
}

void SettingsWindow::startWritePause(const QString &writingText)
{
    m_pause->start(writingText);
}

bool SettingsWindow::portOpen() const
{
    return m_services.link.isOpen();
}

bool SettingsWindow::sendWhenOpen(const QByteArray &text)
{
    if (!portOpen())
        return false;
    m_services.link.SendFrame(text);
    return true;
}

void SettingsWindow::refuseWrite(const BadValue &bad)
{
    Prompt::badSettingData(this);
    // The closed box may have handed the keyboard to another window (the main window, on
    // some desktops): the cursor is promised here.
    window()->raise();
    window()->activateWindow();
    if (bad.row > 0) {
        if (auto *grid = findChild<Grid *>(bad.control)) {
            grid->setCurrentCell(bad.row, bad.col);
            grid->setFocus();
        }
    } else if (auto *field = findChild<QWidget *>(bad.control)) {
        field->setFocus();
    }
}

bool SettingsWindow::reportIfUnwritten(bool written, const QString &logicalPath)
{
    if (!written)
        Prompt::fileNotWritten(logicalPath, this);
    return written;
}

QLabel *SettingsWindow::mainStatusLabel() const
{
    return m_services.mainWindow ? m_services.mainWindow->findChild<QLabel *>(QStringLiteral("Label19"))
                                 : nullptr;
}

void SettingsWindow::setMainStatus(const QString &text)
{
    if (QLabel *label = mainStatusLabel())
        label->setText(text);
}

QComboBox *SettingsWindow::addUnitSelector(SelectingShowsIn shows, const QString &designCaption)
{
    m_selectingShows = shows;
    m_unitSelector = new QComboBox(this);
    m_unitSelector->setObjectName(QStringLiteral("Combo1"));
    SetUpUnitIdCombo(m_unitSelector, designCaption);
    connect(m_unitSelector, &QComboBox::activated, this, &SettingsWindow::selectUnit);
    return m_unitSelector;
}

void SettingsWindow::selectUnit(int entry)
{
    if (entry < 0)
        return;
    m_services.state.SelectedUnitId = Format(entry, QStringLiteral("00"));
    if (!sendWhenOpen("ID" + m_services.state.SelectedUnitId.toLatin1() + "ID"))
        return;
    const QString selecting = QStringLiteral("ID ﾃﾞｰﾀ設定中");
    if (m_selectingShows.testFlag(SelectingShows::MainLabel))
        setMainStatus(selecting);
    if (m_selectingShows.testFlag(SelectingShows::OwnPanel))
        setStatus(selecting);
}

void SettingsWindow::setBody(QLayout *body, QWidget *top)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (top)
        outer->addWidget(top);
    outer->addLayout(body, 1);
    outer->addWidget(StatusBar1);
}

QLabel *SettingsWindow::addLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    return label;
}

QLineEdit *SettingsWindow::addDigitField(const QString &name, int maxLength, const QString &text,
                                         const QString &clickHint)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    SetUpDigitField(field, maxLength, text);
    if (!clickHint.isEmpty()) {
        m_clickHints.insert(field, clickHint);
        field->installEventFilter(this);
    }
    return field;
}

bool SettingsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_clickHints.contains(watched))
        setStatus(m_clickHints.value(watched));
    return QWidget::eventFilter(watched, event);
}

Grid *SettingsWindow::addGrid(const QString &name, int rows, const QList<int> &widthsTwips,
                              const QStringList &columnTitles, const QStringList &rowTitles)
{
    auto *grid = new Grid(this);
    grid->setObjectName(name);
    grid->setRows(rows);
    grid->setCols(int(widthsTwips.size()));
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    for (int c = 0; c < widthsTwips.size(); ++c) {
        grid->setColWidthTwips(c, widthsTwips[c]);
        grid->setColAlignment(c, Qt::AlignCenter);
        grid->setFixedAlignment(c, Qt::AlignCenter);
    }
    for (int c = 0; c < columnTitles.size(); ++c)
        grid->setTextMatrix(0, c, columnTitles[c]);
    for (int r = 0; r < rowTitles.size(); ++r)
        grid->setTextMatrix(r + 1, 0, rowTitles[r]);
    grid->setCurrentCell(1, 1);
    // Every row and column shows: no scroll bars, no empty margin.
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(grid->fullWidth() - grid->verticalScrollBar()->sizeHint().width(),
                       grid->verticalHeader()->defaultSectionSize() * rows + 2 * grid->frameWidth());
    return grid;
}

void SettingsWindow::fillSelectedCells(Grid &grid, const QString &text)
{
    const int top = qMax(1, qMin(grid.row(), grid.rowSel()));
    const int bottom = qMin(grid.rows() - 1, qMax(grid.row(), grid.rowSel()));
    const int left = qMax(1, qMin(grid.col(), grid.colSel()));
    const int right = qMin(grid.cols() - 1, qMax(grid.col(), grid.colSel()));
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            grid.setTextMatrix(r, c, text);
}

void SettingsWindow::addStatusStep(const WindowServices &s, WindowId id, Reply code, const QString &text)
{
    addStep<SettingsWindow>(s, id, code,
                            [text](SettingsWindow &w, const QByteArray &) { w.showReplyStatus(text); });
}

void SettingsWindow::addUnitSelectedStep(const WindowServices &s, WindowId id)
{
    addStatusStep(s, id, Reply::ID, QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
}

void SettingsWindow::addMonitoredUnitIdStep(const WindowServices &s, WindowId id)
{
    s.routes->add(Reply::Q, [&windows = s.windows, &state = s.state, id](const QByteArray &reply) {
        auto *w = windows.existing<SettingsWindow>(id);
        if (!w || !w->m_unitSelector)
            return;
        const MonitoringTexts t = DecodeMonitoringReply(reply, state.UnitTypeCode);
        if (!t.powerKind)
            w->m_unitSelector->setEditText(t.unitIdText);
    });
}

void SettingsWindow::closeEvent(QCloseEvent *event)
{
    if (m_clearsMainStatus)
        setMainStatus(QString());
    QWidget::closeEvent(event);
}
