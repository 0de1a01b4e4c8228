#pragma once
// Form10 "基本条件設定": the basic block of a standard unit (channel, START times,
// protection and defrost times, alternating mode, the season-1 rates, the weekday rate and
// weekdays), read with "RC", written with "WC", kept in BASE.TXT, CONT1.TXT and WEEK.TXT.
#include "SettingsWindow.h"

#include "BasicConditionsCodec.h"

class Grid;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;

class BasicConditionsDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit BasicConditionsDialog(const WindowServices &services);
    // Registers the window and its reply steps.
    static void wire(const WindowServices &services);

    QLineEdit *Text1 = nullptr;      // unit channel number
    QLineEdit *Text2 = nullptr;      // 1st START, seconds
    QLineEdit *Text3 = nullptr;      // 2nd START, seconds
    QLineEdit *Text4 = nullptr;      // compressor protection, seconds
    QLineEdit *Text5 = nullptr;      // defrost ON, minutes
    QLineEdit *Text6 = nullptr;      // defrost OFF, minutes
    QLineEdit *Text7 = nullptr;      // alternating control mode
    QLineEdit *Text8 = nullptr;      // entry box for the selected rate cells
    QLabel *Label16 = nullptr;       // group and channel of the unit
    QLabel *Label19 = nullptr;       // external control percentages
    QLabel *Label20 = nullptr;       // their title
    QLabel *Label14 = nullptr;       // title of the weekday grid
    Grid *MSFlexGrid1 = nullptr;     // rates: season 1 bands 1-4, weekday rate
    Grid *MSFlexGrid2 = nullptr;     // weekdays, Sunday first
    QPushButton *Command1 = nullptr; // selected weekdays "設定"
    QPushButton *Command2 = nullptr; // selected weekdays "解除"
    QToolBar *Toolbar1 = nullptr;

    // Toolbar1, buttons 1-7.
    void toolbarButton(int index);
    void read();
    void write();

    BasicBlock block() const;
    void showBlock(const BasicReply &reply);

private:
    std::array<QLineEdit *, 7> fields() const { return {Text1, Text2, Text3, Text4, Text5, Text6, Text7}; }
    void openModal(WindowId id, const char *panelText);
};
