#include "PortSettingsDialog.h"

#include "PortAccess.h"
#include "PortMap.h"
#include "PortSettings.h"
#include "SerialLink.h"
#include "common/AppState.h"
#include "ui/Prompt.h"
#include "ui/StatusBar.h"
#include "common/TextFile.h"
#include "ui/Twips.h"
#include "ui/WindowSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PortSettingsDialog::PortSettingsDialog(SerialLink &link, AppState &state, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_link(link), m_state(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("環境設定"));

    auto *label1 = new QLabel(QStringLiteral("通信ポート"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    for (int n = 1; n <= 26; ++n)
        List1->addItem(QStringLiteral("COM_%1").arg(n));

    auto *label2 = new QLabel(QStringLiteral("通信速度"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    for (const PortSettings::Speed &speed : PortSettings::SpeedTable)
        List2->addItem(QLatin1String(speed.speedText));

    Command1 = new QPushButton(QStringLiteral("設定終了"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &PortSettingsDialog::applyChoice);

    StatusBar1 = new StatusBar(2, this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    // Both lists show every speed and a good part of the ports without crowding the labels.
    const int rowHeight = List2->fontMetrics().height() + 4;
    List1->setMinimumHeight(rowHeight * 8);
    List2->setMinimumHeight(rowHeight * 7);
    List1->setMinimumWidth(List1->fontMetrics().horizontalAdvance(QStringLiteral("COM_26")) + 40);
    List2->setMinimumWidth(List2->fontMetrics().horizontalAdvance(QStringLiteral("115200")) + 40);

    auto *grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(label2, 0, 1);
    grid->addWidget(List1, 1, 0);
    grid->addWidget(List2, 1, 1);
    grid->addWidget(Command1, 2, 0, 1, 2, Qt::AlignHCenter);

    auto *deviceLabel = new QLabel(QStringLiteral("接続先"), this);
    lblDevice = new QLabel(this);
    lblDevice->setObjectName(QStringLiteral("lblDevice"));
    lblDevice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cboDevice = new QComboBox(this);
    cboDevice->setObjectName(QStringLiteral("cboDevice"));
    cboDevice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(cboDevice, &QComboBox::activated, this, &PortSettingsDialog::pickDevice);
    auto *devices = new QVBoxLayout;
    devices->setSpacing(4);
    devices->addWidget(deviceLabel);
    devices->addWidget(lblDevice);
    devices->addWidget(cboDevice);
#ifdef Q_OS_WIN
    cboDevice->hide(); // COMn is the port itself there
#endif
    grid->addLayout(devices, 3, 0, 1, 2);
    grid->setRowMinimumHeight(3, 0);
    // The device line follows the port chosen once it has been looked at (on opening).
    connect(List1, &QListWidget::currentRowChanged, this, [this] {
        if (m_devicesShown)
            showDevices();
    });

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *body = new QWidget(this);
    body->setLayout(grid);
    outer->addWidget(body, 1);
    outer->addWidget(StatusBar1);

    // Wide enough for the status text in panel 2 and the device line.
    const int statusWidth = 2 * fontMetrics().horizontalAdvance(PortSettings::statusText(26, "115200")) + 64;
    resize(qMax(minimumSizeHint().width(), statusWidth), minimumSizeHint().height());
}

void PortSettingsDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Form2, [s] { return new PortSettingsDialog(s.link, s.state, s.mainWindow); });
}

void PortSettingsDialog::prepareToShow()
{
    moveTwips(this, 3200, 3400);
    showInForce(ApplyPortSettings(m_link, m_state));
    showDevices();
}

void PortSettingsDialog::showDevices()
{
    m_devicesShown = true;
    const PortMap::Ports ports = PortMap::scan();
    const int portNumber = qMax(0, List1->currentRow()) + 1;
    for (int row = 0; row < List1->count(); ++row)
        List1->item(row)->setToolTip(PortMap::describe(m_link.deviceFor(row + 1), ports));
    const QString device = m_link.deviceFor(portNumber);
    const bool overridden = m_link.isOverridden(portNumber);
    lblDevice->setText(QStringLiteral("COM_%1: ").arg(portNumber) + PortMap::describe(device, ports) +
                       (overridden ? QStringLiteral("（コマンドラインで指定）") : QString()));

    QStringList mapped;
    for (int n = 1; n <= 26; ++n)
        mapped << m_link.deviceFor(n);
    const QMap<int, QString> saved = PortMap::savedDevices();
    cboDevice->clear();
    cboDevice->addItem(QStringLiteral("（標準）"), QString());
    int current = 0;
    for (const PortMap::PresentPort &port : PortMap::presentPorts(ports, mapped)) {
        cboDevice->addItem(port.description == port.device ? port.device
                                                           : port.device + QStringLiteral(" — ") +
                                                                 port.description.section(QStringLiteral(" — "), 1),
                           port.device);
        if (saved.value(portNumber) == port.device)
            current = cboDevice->count() - 1;
    }
    cboDevice->setCurrentIndex(current);
    cboDevice->setEnabled(!overridden);
}

void PortSettingsDialog::pickDevice(int index)
{
    const int portNumber = qMax(0, List1->currentRow()) + 1;
    PortMap::saveDevice(portNumber, cboDevice->itemData(index).toString());
    // Takes effect at the next opening of the port ("設定終了").
    m_link.setSavedDevices(PortMap::savedDevices());
    showDevices();
}

void PortSettingsDialog::showInForce(const PortSettingsInForce &inForce)
{
    StatusBar1->setPanelText(2, inForce.statusText);
    if (inForce.portIndex >= 0 && inForce.portIndex < List1->count())
        List1->setCurrentRow(inForce.portIndex);
    if (PortSettings::isSpeedIndex(inForce.speedIndex))
        List2->setCurrentRow(inForce.speedIndex);
}

void PortSettingsDialog::applyChoice()
{
    using namespace PortSettings;
    // Every step is skipped when it fails; the choice applies even when a file cannot be written.
    if (m_link.isOpen())
        m_link.close();
    if (List1->currentRow() >= 0)
        m_link.setPortNumber(List1->currentRow() + 1);
    applySpeed(m_link, m_state, List2->currentRow());
    m_link.setLineDefaults();
    // The user has just chosen this port: a refusal for lack of access is said at once.
    if (!m_link.open() && !m_link.groupToJoin().isEmpty())
        Prompt::ask({joinGroupNotice(m_link.deviceFor(m_link.portNumber()), m_link.groupToJoin()),
                     QStringLiteral("通信ポート"), Prompt::Buttons::Ok, Prompt::Icon::Warning},
                    this);

    // The files get what is in force, so a list left without a choice never stores "-1"
    // (which would read back as another port or speed).
    TextFile::writeQuotedLine(PortFile, portFileValue(m_link.portNumber() - 1));
    const int speedIndex = speedIndexOf(m_state.PcLineSpeed);
    if (speedIndex >= 0)
        TextFile::writeQuotedLine(SpeedFile, speedFileValue(speedIndex));
    close();
}
