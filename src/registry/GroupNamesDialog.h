#pragma once
// Form9 "ｸﾞﾙｰﾌﾟ名登録": the names of the 50 data groups, kept in GRPNAME.TXT.
#include "MainLabels.h"

#include <QWidget>

struct WindowServices;
class CellEditor;
class Grid;
class QLabel;
class QLineEdit;
class QPushButton;

class GroupNamesDialog : public QWidget {
    Q_OBJECT
public:
    explicit GroupNamesDialog(MainLabels main, QWidget *parent = nullptr);
    static void wire(const WindowServices &services, const MainLabels &main);

    QLabel *Label1 = nullptr;        // "ｸﾞﾙｰﾌﾟ名の登録"; names the column Text1 edits
    QLineEdit *Text1 = nullptr;      // the cell editor
    QPushButton *Command3 = nullptr; // "登録": writes GRPNAME.TXT
    Grid *MSFlexGrid1 = nullptr;     // row n: group n's name, equipment and remark

    // Writes the 50 lines. False when the file could not be written (the user is told, the
    // old file stays).
    bool Command3_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadTable();

    MainLabels m_main;
    CellEditor *m_editor = nullptr;
};
