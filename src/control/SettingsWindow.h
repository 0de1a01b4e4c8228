#pragma once
// What every settings window shares: its status bar (panel 2 carries the progress texts),
// the rule that a request goes out only while the port is open, the main window's status
// label, the unit selector, the pause after a write, and the reply steps that several
// windows take alike. A window derives from it and adds its own controls and steps.
#include "FieldCodes.h"
#include "link/ReplyRoutes.h"
#include "ui/WindowSet.h"

#include <QFlags>
#include <QHash>
#include <QWidget>

class Grid;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class StatusBar;
class WritePause;

// A numeric field as a window lays it out: the title before it, the unit after it, the
// text it starts with, its width in characters, the hint its click shows.
struct TitledField {
    const char *title, *unit, *text;
    int maxLength;
    const char *hint;
};

class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // Where a unit selection shows "ID ﾃﾞｰﾀ設定中": windows differ.
    enum class SelectingShows { MainLabel = 1, OwnPanel = 2 };
    Q_DECLARE_FLAGS(SelectingShowsIn, SelectingShows)

    SettingsWindow(const WindowServices &services, WindowId id, const QString &caption);

    StatusBar *StatusBar1 = nullptr; // two panels; panel 2 carries the progress texts

    // Panel 2 now.
    void setStatus(const QString &text);
    QString status() const;
    // A reply's text for panel 2: shown now, or right after a pending write pause clears.
    void showReplyStatus(const QString &text);
    // Panel 2 = the writing text; cleared after the pause, the window alive throughout.
    void startWritePause(const QString &writingText);
    WritePause &writePause() { return *m_pause; }

    bool portOpen() const;
    // Sends the frame text when the port is open; false (nothing sent) when it is closed.
    bool sendWhenOpen(const QByteArray &text);

    // Refuses a write whose payload would be short or shifted: the system's bad-data
    // message, then the cursor on the offending field or grid cell. Nothing is sent or saved.
    void refuseWrite(const BadValue &bad);
    // A settings file that could not be written is named to the user (the old file is
    // intact); returns written.
    bool reportIfUnwritten(bool written, const QString &logicalPath);

    // The main window's status label Label19 (nullptr without a main window).
    QLabel *mainStatusLabel() const;
    void setMainStatus(const QString &text);

    // Builds Combo1, the 13-entry unit list; picking entry k selects unit k. The caption it
    // shows before a pick must be no entry's text: the list would take it for a pick.
    QComboBox *addUnitSelector(SelectingShowsIn shows,
                               const QString &designCaption = QStringLiteral(" ＩＤ_Ｎｏ ： ＊＊"));
    // SelectedUnitId = entry as "00"; with the port open, "ID" + id + "ID" goes out and
    // "ID ﾃﾞｰﾀ設定中" shows where the window asked for it.
    void selectUnit(int entry);
    QComboBox *unitSelector() const { return m_unitSelector; }

    // Lays the window out: an optional bar on top (a toolbar), the body taking the room,
    // the status bar at the foot, edge to edge.
    void setBody(QLayout *body, QWidget *top = nullptr);

    // Controls built the same way in every settings window, named as given.
    QLabel *addLabel(const QString &name, const QString &text);
    // A numeric field (see DigitFilter); clicking it shows clickHint in panel 2 when given.
    QLineEdit *addDigitField(const QString &name, int maxLength, const QString &text,
                             const QString &clickHint = QString());
    // A grid with one fixed row and column, the column widths in twips, every cell centred,
    // row 0 and column 0 holding the titles given, sized to show every cell.
    Grid *addGrid(const QString &name, int rows, const QList<int> &widthsTwips,
                  const QStringList &columnTitles, const QStringList &rowTitles);
    // Every selected cell of the grid (the rectangle from the current cell) takes the text.
    static void fillSelectedCells(Grid &grid, const QString &text);

    // Reply steps, registered by a window's wire(). Each runs on the window, created
    // hidden when it is not open (a reply updates a closed window as if it were open).
    template <class W, class Step>
    static void addStep(const WindowServices &s, WindowId id, Reply code, Step step)
    {
        s.routes->add(code, [&windows = s.windows, id, step](const QByteArray &text) {
            if (W *w = windows.get<W>(id))
                step(*w, text);
        });
    }
    // Panel 2 = text (through the write pause).
    static void addStatusStep(const WindowServices &s, WindowId id, Reply code, const QString &text);
    // "ID": panel 2 = " ID ﾃﾞｰﾀ設定完了".
    static void addUnitSelectedStep(const WindowServices &s, WindowId id);
    // Monitoring reply: the unit selector shows " ID_No ： " + the unit ID reported. Only a
    // window that exists is touched: echoing live values creates no window.
    static void addMonitoredUnitIdStep(const WindowServices &s, WindowId id);

    // The timer of the write pause carries this name.
    static constexpr const char *WritePauseTimer = "WritePause";

protected:
    // Closing clears the main window's status label, unless the window says otherwise.
    void closeEvent(QCloseEvent *event) override;
    void setClearsMainStatusOnClose(bool clears) { m_clearsMainStatus = clears; }
    bool eventFilter(QObject *watched, QEvent *event) override; // field click hints

    WindowServices m_services;

private:
    QComboBox *m_unitSelector = nullptr;
    SelectingShowsIn m_selectingShows;
    WritePause *m_pause = nullptr;
    bool m_clearsMainStatus = true;
    QHash<QObject *, QString> m_clickHints;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SettingsWindow::SelectingShowsIn)
