#include "ui/Grid.h"
#include "GridInput.h"
#include "testmain.h"
#include "ui/SelectOnFocus.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void numberingIncludesTheFixedRowAndColumn()
    {
        Grid g;
        g.setCols(3);
        g.setRows(4);
        g.setTextMatrix(0, 0, "corner");
        g.setTextMatrix(0, 2, "head2");
        g.setTextMatrix(3, 0, "row3");
        g.setTextMatrix(2, 1, "x");
        g.setTextMatrix(4, 1, "outside"); // ignored
        g.setTextMatrix(-1, 0, "outside");
        QCOMPARE(g.textMatrix(0, 0), QStringLiteral("corner"));
        QCOMPARE(g.textMatrix(4, 1), QString());

        // Row 0 and column 0 are the headers; the model holds the rest.
        const GridModel *m = g.gridModel();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->columnCount(), 2);
        QCOMPARE(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("head2"));
        QCOMPARE(m->headerData(2, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("row3"));
        QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("x"));

        // Scripts and tests read a grid through its meta-object.
        QString text;
        QVERIFY(QMetaObject::invokeMethod(&g, "textMatrix", Q_RETURN_ARG(QString, text), Q_ARG(int, 2),
                                          Q_ARG(int, 1)));
        QCOMPARE(text, QStringLiteral("x"));
        int rows = 0, cols = 0;
        QVERIFY(QMetaObject::invokeMethod(&g, "rows", Q_RETURN_ARG(int, rows)));
        QVERIFY(QMetaObject::invokeMethod(&g, "cols", Q_RETURN_ARG(int, cols)));
        QCOMPARE(rows, 4);
        QCOMPARE(cols, 3);

        // Resizing keeps the cells that stay.
        g.setCols(2);
        g.setRows(6);
        QCOMPARE(g.textMatrix(2, 1), QStringLiteral("x"));
        QCOMPARE(g.textMatrix(3, 0), QStringLiteral("row3"));
        QCOMPARE(g.textMatrix(0, 2), QString());
    }

    void currentCellAndSelection()
    {
        Grid g;
        g.setCols(4);
        g.setRows(4);
        g.setCurrentCell(2, 3);
        QCOMPARE(g.currentIndex(), g.gridModel()->index(1, 2));
        // A click on a cell moves the current cell in grid numbering.
        g.setCurrentIndex(g.gridModel()->index(0, 1));
        int row = 0, col = 0;
        QVERIFY(QMetaObject::invokeMethod(&g, "row", Q_RETURN_ARG(int, row)));
        QVERIFY(QMetaObject::invokeMethod(&g, "col", Q_RETURN_ARG(int, col)));
        QCOMPARE(row, 1);
        QCOMPARE(col, 2);
        QCOMPARE(g.rowSel(), 1);

        g.setSelection(1, 1, 2, 3);
        QCOMPARE(g.selectionModel()->selectedIndexes().size(), 6);
    }

    void clipText()
    {
        Grid g;
        g.setCols(4);
        g.setRows(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                g.setTextMatrix(r, c, QStringLiteral("%1%2").arg(r).arg(c));
        g.setSelection(1, 1, 2, 3);
        QCOMPARE(g.clipText(), QStringLiteral("11\t12\t13\r21\t22\t23"));
        g.setSelection(2, 3, 1, 1); // the same rectangle from its other corner
        QCOMPARE(g.clipText(), QStringLiteral("11\t12\t13\r21\t22\t23"));
        g.setCurrentCell(3, 2);
        QCOMPARE(g.clipText(), QStringLiteral("32"));

        // Pasting fills the selection from its top-left cell, no further.
        g.setSelection(1, 1, 2, 2);
        g.setClipText(QStringLiteral("a\tb\tc\rd\te\rf"));
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("a"));
        QCOMPARE(g.textMatrix(1, 2), QStringLiteral("b"));
        QCOMPARE(g.textMatrix(1, 3), QStringLiteral("13"));
        QCOMPARE(g.textMatrix(2, 2), QStringLiteral("e"));
        QCOMPARE(g.textMatrix(3, 1), QStringLiteral("31"));
    }

    void fillWithRedrawOffResetsOnce()
    {
        Grid g;
        QSignalSpy resets(g.gridModel(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(g.gridModel(), &QAbstractItemModel::dataChanged);
        g.setRedraw(false);
        g.setCols(5);
        g.setRows(1489);
        for (int r = 0; r < 1489; ++r)
            for (int c = 0; c < 5; ++c)
                g.setTextMatrix(r, c, QString::number(r * 5 + c));
        QCOMPARE(resets.size(), 0);
        QCOMPARE(changes.size(), 0);
        g.setRedraw(true);
        QCOMPARE(resets.size(), 1);
        QCOMPARE(changes.size(), 0);
        QCOMPARE(g.gridModel()->rowCount(), 1488);
        QCOMPARE(g.gridModel()->index(1487, 3).data().toString(), QString::number(1488 * 5 + 4));

        // With redraw on, one cell is one cell.
        g.setTextMatrix(5, 2, "y");
        QCOMPARE(resets.size(), 1);
        QCOMPARE(changes.size(), 1);
    }

    void widthsInTwipsSurviveAReset()
    {
        Grid g;
        g.setCols(3);
        g.setRows(3);
        g.setColWidthTwips(0, 1800);
        g.setColWidthTwips(2, 1700);
        g.setRows(40); // a reset
        QCOMPARE(g.verticalHeader()->width(), twipsToPixels(1800));
        QCOMPARE(g.columnWidth(1), twipsToPixels(1700));
        QCOMPARE(g.colWidthTwips(2), 1700);
    }

    void alignmentPerColumn()
    {
        Grid g;
        g.setCols(3);
        g.setRows(3);
        g.setFixedAlignment(0, Qt::AlignCenter);
        g.setFixedAlignment(2, Qt::AlignCenter);
        g.setColAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        const GridModel *m = g.gridModel();
        QCOMPARE(m->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(m->headerData(0, Qt::Vertical, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(m->index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(m->index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    }

    // The rectangle the user highlights is the one the grid reports, however chosen.
    void userChoosesARectangle_data()
    {
        QTest::addColumn<int>("way");
        for (GridInput::Way way : {GridInput::Way::DragDown, GridInput::Way::DragUp,
                                   GridInput::Way::ShiftClick, GridInput::Way::ShiftArrows})
            QTest::newRow(GridInput::nameOf(way)) << int(way);
    }
    void userChoosesARectangle()
    {
        QFETCH(int, way);
        Grid g;
        g.setCols(5);
        g.setRows(7);
        g.resize(600, 400);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        GridInput::choose(&g, GridInput::Way(way), 2, 1, 5, 3);
        QCOMPARE(qMin(g.row(), g.rowSel()), 2);
        QCOMPARE(qMax(g.row(), g.rowSel()), 5);
        QCOMPARE(qMin(g.col(), g.colSel()), 1);
        QCOMPARE(qMax(g.col(), g.colSel()), 3);
        QCOMPARE(g.clipText().split('\r').size(), 4);
        QCOMPARE(g.selectionModel()->selectedIndexes().size(), 12);
    }

    // What is typed where the user looks lands in the entry box, replacing its text.
    void keysTypedInTheGridGoToTheEntryBox()
    {
        QWidget window;
        auto *entry = new QLineEdit(QStringLiteral("000"), &window);
        SelectAllOnFocus(entry);
        auto *g = new Grid(&window);
        g->setCols(3);
        g->setRows(4);
        g->setEntryBox(entry);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(entry);
        layout->addWidget(g);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);

        GridInput::click(g, 2, 1);
        QTest::keyClick(g, Qt::Key_Down); // keys that type nothing stay with the grid
        QCOMPARE(g->row(), 3);
        QVERIFY(g->hasFocus());
        QTest::keyClicks(g, "42");
        QVERIFY(entry->hasFocus());
        QCOMPARE(entry->text(), QStringLiteral("42"));

        // A click into a full box selects it all: the next digits replace it.
        entry->setText(QStringLiteral("000"));
        g->setFocus();
        QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
        QTest::keyClicks(entry, "7");
        QCOMPARE(entry->text(), QStringLiteral("7"));

        // A double click on a cell gives the entry box the focus.
        g->setFocus();
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, GridInput::centre(g, 1, 2));
        QVERIFY(entry->hasFocus());
        QVERIFY(entry->hasSelectedText());
    }
};

UNITDESK_TEST(GridTest)
#include "GridTest.moc"
