#include "UnitIdList.h"

#include <QComboBox>
#include <QLineEdit>

QStringList UnitIdItems()
{
    static const QString fullWidthDigits = QStringLiteral("０１２３４５６７８９");
    QStringList items{QStringLiteral("　ＩＤ_Ｎｏ ： **")};
    for (int k = 1; k <= 12; ++k)
        items << QStringLiteral("　ＩＤ_Ｎｏ ： ") + fullWidthDigits[k / 10] + fullWidthDigits[k % 10];
    return items;
}

QString UnitIdForEntry(int entry)
{
    return QStringLiteral("%1").arg(entry, 2, 10, QLatin1Char('0'));
}

void SetUpUnitIdCombo(QComboBox *combo, const QString &designCaption)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setReadOnly(true);
    combo->addItems(UnitIdItems());
    combo->setCurrentIndex(-1);
    combo->setEditText(designCaption);
}
