// A rectangle of cells chosen with the mouse or the keys, then a value typed into the entry
// box or picked from a list: every cell of the rectangle takes it, no other cell changes, in
// every settings window that has a grid to fill.
#include "ControlFixture.h"
#include "GridInput.h"
#include "testmain.h"

#include <QAbstractButton>

namespace {

struct Fill {
    const char *name;
    int kindRow;      // the unit kind chosen in the main window
    const char *open; // the menu action, or "" for toolbar button 6
    WindowId id;
    const char *grid;
    int top, left, bottom, right;
    const char *entry;  // the entry box typed into, or ""
    const char *typed;  // what is typed, or the list entries picked ("List1=07,List2=15")
    const char *button; // a button that fills the cells, or ""
    const char *cell;   // what every cell of the rectangle shows afterwards
};

const Fill Fills[] = {
    {"basic rates", 0, "", WindowId::Form10, "MSFlexGrid1", 1, 1, 4, 2, "Text8", "25", "", "025 _秒"},
    {"basic weekdays", 0, "", WindowId::Form10, "MSFlexGrid2", 1, 2, 1, 6, "", "", "Command2", "解除"},
    {"control rates", 0, "mnuCont1", WindowId::Form5, "MSFlexGrid1", 2, 1, 6, 2, "Text1", "999", "", "連続"},
    {"season bands", 0, "mnuSeason", WindowId::Form6, "MSFlexGrid1", 2, 1, 4, 2, "", "List1=07,List2=15", "",
     "07月 15日"},
    {"time bands", 0, "mnuZone", WindowId::Form7, "MSFlexGrid1", 3, 1, 7, 2, "", "List1=08,List2=30", "",
     "08時 30分"},
    {"water spray", 2, "", WindowId::Form23, "MSFlexGrid1", 1, 1, 3, 2, "Text8", "7", "", "007 _秒"},
};

void pickFromList(QWidget *w, const QString &pick)
{
    const QStringList parts = pick.split('=');
    auto *list = w->findChild<QListWidget *>(parts[0]);
    QVERIFY(list);
    QListWidgetItem *item = list->findItems(parts[1], Qt::MatchExactly).value(0);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace

class GridEntryTest : public QObject {
    Q_OBJECT
private slots:
    void everyChosenCellTakesTheValue_data()
    {
        QTest::addColumn<int>("fill");
        QTest::addColumn<int>("way");
        for (int i = 0; i < int(std::size(Fills)); ++i)
            for (GridInput::Way way : {GridInput::Way::DragDown, GridInput::Way::DragUp,
                                       GridInput::Way::ShiftClick, GridInput::Way::ShiftArrows})
                QTest::addRow("%s, %s", Fills[i].name, GridInput::nameOf(way)) << i << int(way);
    }
    void everyChosenCellTakesTheValue()
    {
        QFETCH(int, fill);
        QFETCH(int, way);
        const Fill &t = Fills[fill];
        ControlFixture f;
        f.window->List1->setCurrentRow(t.kindRow);
        if (*t.open)
            f.window->action(t.open)->trigger();
        else
            f.window->toolbarButton(6);
        f.sent(0);
        auto *w = f.window->windows().existing<SettingsWindow>(t.id);
        QVERIFY(w && w->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto *grid = w->findChild<Grid *>(t.grid);
        QVERIFY(grid);
        // Every cell different from what the fill gives, to see which ones change.
        for (int r = 1; r < grid->rows(); ++r)
            for (int c = 1; c < grid->cols(); ++c)
                grid->setTextMatrix(r, c, QStringLiteral("x%1%2").arg(r).arg(c));

        GridInput::choose(grid, GridInput::Way(way), t.top, t.left, t.bottom, t.right);
        if (*t.entry)
            ControlFixture::type(w->findChild<QLineEdit *>(t.entry), QString::fromLatin1(t.typed));
        else if (*t.typed)
            for (const QString &pick : QString::fromLatin1(t.typed).split(','))
                pickFromList(w, pick);
        if (*t.button)
            w->findChild<QAbstractButton *>(t.button)->click();

        for (int r = 1; r < grid->rows(); ++r)
            for (int c = 1; c < grid->cols(); ++c) {
                const bool chosen = r >= t.top && r <= t.bottom && c >= t.left && c <= t.right;
                QCOMPARE(grid->textMatrix(r, c),
                         chosen ? QString::fromUtf8(t.cell) : QStringLiteral("x%1%2").arg(r).arg(c));
            }
    }
};

UNITDESK_TEST(GridEntryTest)
#include "GridEntryTest.moc"
