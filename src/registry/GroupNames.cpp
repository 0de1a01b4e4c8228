#include "GroupNames.h"

#include "NameFiles.h"
#include "common/TextFile.h"
#include "common/Vb.h"

namespace GroupNames {

QString filePath()
{
    return QStringLiteral("C:\\ZRLOG") + QStringLiteral("\\CONTROL\\GRPNAME") + QStringLiteral(".TXT");
}

QString writePath()
{
    return QStringLiteral("C:\\ZRLOG") + QStringLiteral("\\CONTROL\\GRPNAME") + QStringLiteral(".txt");
}

QStringList headers()
{
    return {QStringLiteral("ＧＲＰ_番号"), QStringLiteral("ＧＲＰ 名称"), QStringLiteral("対象機器名"),
            QStringLiteral("備考")};
}

QList<int> widthsTwips()
{
    return {1300, 3700, 2620, 2280};
}

QString rowLabel(int group)
{
    return QStringLiteral("ＧＲＰ_") + Format(group, QStringLiteral("00"));
}

Table emptyTable()
{
    Table t{headers()};
    for (int g = 1; g <= Groups; ++g)
        t << QStringList{rowLabel(g), QString(), QString(), QString()};
    return t;
}

Table load()
{
    return fromLines(TextFile::readLines(filePath()));
}

Table fromLines(const QStringList &lines)
{
    Table t = emptyTable();
    for (int g = 1; g <= qMin(Groups, int(lines.size())); ++g)
        t[g] = QStringList{rowLabel(g)} + NameFiles::splitFields(lines[g - 1], Cols - 1);
    return t;
}

QStringList fileLines(const Table &table)
{
    QStringList lines;
    for (int g = 1; g <= Groups; ++g)
        lines << NameFiles::joinFields(table.value(g).mid(1, Cols - 1));
    return lines;
}

QString nameLabelText(const Table &table, const QString &groupNo)
{
    const int row = int(Val(groupNo));
    const QString name = row >= 0 && row < table.size() ? table[row].value(1) : QString();
    return name.left(16) + QLatin1Char(' ');
}

} // namespace GroupNames
