#include "BandsWindow.h"

#include "common/AppState.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QStringList TwoDigitItems(int last)
{
    QStringList items;
    for (int i = 0; i <= last; ++i)
        items << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return items;
}

BandsWindow::BandsWindow(const WindowServices &services, WindowId id, const QString &caption,
                         const Layout &layout)
    : SettingsWindow(services, id, caption), m_form(layout.form)
{
    addUnitSelector(SelectingShows::MainLabel);
    QLabel *label1 = addLabel(QStringLiteral("Label1"), layout.heading);
    QLabel *label2 = addLabel(QStringLiteral("Label2"), layout.firstTitle);
    QLabel *label3 = addLabel(QStringLiteral("Label3"), layout.secondTitle);
    auto makeList = [this](const char *name, const QStringList &items) {
        auto *list = new QListWidget(this);
        list->setObjectName(QLatin1String(name));
        list->addItems(items);
        list->setFixedWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 36);
        return list;
    };
    List1 = makeList("List1", layout.firstItems);
    List2 = makeList("List2", layout.secondItems);
    Command2 = new QPushButton(QStringLiteral("書込"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("読取"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    MSFlexGrid1 = addGrid(QStringLiteral("MSFlexGrid1"), layout.rows, layout.widthsTwips,
                          layout.columnTitles, layout.rowTitles);

    auto *top = new QHBoxLayout;
    top->addWidget(unitSelector());
    top->addStretch(1);
    top->addWidget(Command3);
    top->addWidget(Command2);

    constexpr int Gap = 4; // between a title and what it heads
    auto *lists = new QGridLayout;
    lists->setVerticalSpacing(Gap);
    lists->addWidget(label2, 0, 0, Qt::AlignHCenter);
    lists->addWidget(label3, 0, 1, Qt::AlignHCenter);
    lists->addWidget(List1, 1, 0, Qt::AlignTop);
    lists->addWidget(List2, 1, 1, Qt::AlignTop);
    // The list titles level with the grid's top; each list as tall as its entries need,
    // ending with the grid, though never showing fewer than eight entries.
    for (QListWidget *list : {List1, List2}) {
        const int rowHeight = list->sizeHintForRow(0), frame = 2 * list->frameWidth();
        const int room = qMax(MSFlexGrid1->height() - label2->sizeHint().height() - Gap, 8 * rowHeight + frame);
        list->setFixedHeight(qMin(room, rowHeight * list->count() + frame));
    }

    auto *gridColumn = new QVBoxLayout;
    gridColumn->setSpacing(Gap);
    gridColumn->addWidget(label1);
    gridColumn->addWidget(MSFlexGrid1);
    gridColumn->addStretch(1);
    auto *listColumn = new QVBoxLayout;
    listColumn->addSpacing(label1->sizeHint().height() + Gap);
    listColumn->addLayout(lists);
    listColumn->addStretch(1);

    auto *middle = new QHBoxLayout;
    middle->addLayout(gridColumn);
    middle->addSpacing(12);
    middle->addLayout(listColumn);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 6);
    body->addLayout(top);
    body->addSpacing(6);
    body->addLayout(middle, 1);
    setBody(body);

    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { pickFirst(item->text()); });
    connect(List2, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { pickSecond(item->text()); });
}

void BandsWindow::pickFirst(const QString &half)
{
    const QString current = MSFlexGrid1->textMatrix(MSFlexGrid1->row(), MSFlexGrid1->col());
    fillSelectedCells(*MSFlexGrid1, BandCells::withFirst(current, half, m_form));
}

void BandsWindow::pickSecond(const QString &half)
{
    const QString current = MSFlexGrid1->textMatrix(MSFlexGrid1->row(), MSFlexGrid1->col());
    fillSelectedCells(*MSFlexGrid1, BandCells::withSecond(current, half, m_form));
}

bool BandsWindow::waterSpray() const
{
    return m_services.state.UnitTypeCode == QLatin1String("WJ");
}

QStringList BandsWindow::cellsFrom(int firstRow, int count) const
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << MSFlexGrid1->textMatrix(firstRow - 1 + BandCells::rowOf(i), BandCells::colOf(i));
    return out;
}

void BandsWindow::setCellsFrom(int firstRow, const QStringList &cells)
{
    for (int i = 0; i < cells.size(); ++i)
        MSFlexGrid1->setTextMatrix(firstRow - 1 + BandCells::rowOf(i), BandCells::colOf(i), cells[i]);
}
