#pragma once
// Form14 "CH名登録": the channel names of the group, ten channels a page, saved page by page,
// printed, and exported to the companion program after every save.
#include "ChannelPrint.h"
#include "MainLabels.h"

#include <QWidget>
#include <functional>

struct AppState;
struct WindowServices;
class CellEditor;
class Grid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ChannelNamesDialog : public QWidget {
    Q_OBJECT
public:
    ChannelNamesDialog(AppState &state, MainLabels main, QWidget *parent = nullptr);
    static void wire(const WindowServices &services, const MainLabels &main);

    QLabel *Label1 = nullptr;        // " GRP_" + GroupNo
    QComboBox *Combo1 = nullptr;     // the page: "CH_01--CH_10" .. "CH_91--CH_100"
    QLabel *Label2 = nullptr;        // names the column Text1 edits
    QLineEdit *Text1 = nullptr;      // the cell editor
    QPushButton *Command1 = nullptr; // "印刷"
    QPushButton *Command3 = nullptr; // "登録": saves the page
    Grid *MSFlexGrid1 = nullptr;     // the page's ten channels

    void Combo1_Click(int index);
    // Saves the page shown. False when its file could not be written (the user is told,
    // the old file stays).
    bool Command3_Click();
    void Command1_Click();

    // Shows the page to print; replaceable by tests (the real one is a print preview).
    std::function<void(const ChannelPrint::Page &, QWidget *)> previewPage = ChannelPrint::preview;
    ChannelPrint::Page printPage() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPage();
    void labelRows(const std::function<QString(int)> &label);

    AppState &m_state;
    MainLabels m_main;
    CellEditor *m_editor = nullptr;
};
