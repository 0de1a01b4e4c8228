#include "GroupAssign.h"

#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "common/Vb.h"
#include "logstore/StorePaths.h"

namespace GroupAssign {

namespace {

QString fullWidthDigits(const QString &digits)
{
    QString out;
    for (QChar c : digits)
        out += c.isDigit() ? QChar(0xFF10 + c.digitValue()) : c;
    return out;
}

QString groupDirOf(const QString &groupNo)
{
    return QStringLiteral("C:\\GRP") + groupNo;
}

} // namespace

QStringList listEntries()
{
    QStringList entries;
    for (int g = 1; g <= Groups; ++g)
        entries << QStringLiteral("ＧＲＰ＿") + fullWidthDigits(Format(g, QStringLiteral("00")));
    return entries;
}

QString questionText(int groupIndex)
{
    return QStringLiteral("ｸﾞﾙｰﾌﾟ番号") + QStringLiteral("{") + QStringLiteral(" GRP") +
           Format(groupIndex, QStringLiteral("00")) + QStringLiteral(" ") + QStringLiteral("}") +
           QStringLiteral(" を設定します");
}

QString questionTitle()
{
    return QStringLiteral("ｸﾞﾙｰﾌﾟ番号の設定");
}

QString groupLabelText(const QString &groupNo)
{
    return QStringLiteral("ｸﾞﾙｰﾌﾟ番号: ") + groupNo;
}

QStringList groupFolders(const QString &groupDir, const QString &kindFolder, const QString &yy)
{
    const QString year = groupDir + kindFolder + QStringLiteral("\\Y20") + yy;
    QStringList folders{groupDir, groupDir + QStringLiteral("\\CHNAME"), groupDir + kindFolder, year,
                        year + QStringLiteral("\\DAY")};
    for (int m = 1; m <= 12; ++m)
        folders << year + QStringLiteral("\\M") + Format(m, QStringLiteral("00"));
    return folders;
}

QString restore(AppState &state)
{
    const QString line = TextFile::readFirstLine(GroupFile());
    state.GroupNo = GroupNoFromLine(line);
    state.GroupDir = groupDirOf(state.GroupNo);
    return line.isEmpty() ? QString() : groupLabelText(state.GroupNo);
}

bool assign(AppState &state, int groupIndex)
{
    state.GroupNo = Format(groupIndex, QStringLiteral("00"));
    state.GroupDir = groupDirOf(state.GroupNo);
    const QString kindFolder = KindFolder(state.UnitTypeCode);
    if (kindFolder.isEmpty())
        return true; // kind G keeps no logs: no folders, GROUP.TXT as it was
    // A folder that cannot be made is skipped: the next download says so for its own.
    for (const QString &folder : groupFolders(state.GroupDir, kindFolder, state.PickedDate.yy))
        DriveMap::ensureDir(folder);
    return TextFile::writeLines(GroupFile(), {state.GroupNo});
}

} // namespace GroupAssign
