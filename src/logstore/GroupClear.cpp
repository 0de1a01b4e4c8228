#include "GroupClear.h"

#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/Vb.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

// The numbers first..last found among the sub-folders of a logical folder named prefix +
// two digits (case-insensitively), as two-digit texts. Listing a folder once stands for
// probing every possible name: a name that is not there would be left alone anyway.
QStringList numberedFolders(const QString &logicalFolder, const QString &prefix, int first, int last)
{
    if (!DriveMap::dirExists(logicalFolder))
        return {};
    static const QRegularExpression twoDigits(QStringLiteral("^(\\d\\d)$"));
    QSet<int> found;
    const QStringList names =
        QDir(DriveMap::toNative(logicalFolder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (!name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QRegularExpressionMatch m = twoDigits.match(name.mid(prefix.size()));
        const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (n >= first && n <= last)
            found.insert(n);
    }
    QList<int> numbers(found.begin(), found.end());
    std::sort(numbers.begin(), numbers.end());
    QStringList out;
    for (int n : numbers)
        out << Format(n, QStringLiteral("00"));
    return out;
}

// Deletes the files of a channel folder matching the pattern, then the folder if empty.
void clearChannel(const QString &folder, const QString &pattern)
{
    for (const QString &native : DriveMap::matchFiles(folder + '\\' + pattern))
        DriveMap::removeFile(folder + '\\' + QFileInfo(native).fileName());
    DriveMap::removeEmptyDir(folder);
}

} // namespace

QString GroupClearQuestionText(const AppState &state)
{
    return QStringLiteral("GRP_") + state.GroupNo + ' ' + state.PickedDate.yy +
           QStringLiteral("年の子機 ﾃﾞｰﾀ領域を消去します");
}

QString GroupClearQuestionTitle()
{
    return QStringLiteral("ﾃﾞｰﾀ保存領域のクリア");
}

void ClearGroupYear(const AppState &state)
{
    const QString yy = state.PickedDate.yy;

    const QString year = QStringLiteral("\\Y20") + Format(yy, QStringLiteral("00"));
    const QStringList kindFolders =
        state.UnitTypeCode == QLatin1String("WJ")
            ? QStringList{QStringLiteral("\\ZR4")}
            : QStringList{QStringLiteral("\\ZR1"), QStringLiteral("\\ZR3"), QStringLiteral("\\ZR2")};
    for (const QString &kind : kindFolders) {
        const QString yearFolder = state.GroupDir + kind + year;
        const QString dayFolder = yearFolder + QStringLiteral("\\DAY");
        for (const QString &ch : numberedFolders(dayFolder, QStringLiteral("CH"), 1, 99))
            clearChannel(dayFolder + QStringLiteral("\\CH") + ch, QStringLiteral("m*.*"));
        for (const QString &month : numberedFolders(yearFolder, QStringLiteral("M"), 1, 12)) {
            const QString monthFolder = yearFolder + QStringLiteral("\\M") + month;
            for (const QString &ch : numberedFolders(monthFolder, QStringLiteral("CH"), 1, 99))
                clearChannel(monthFolder + QStringLiteral("\\CH") + ch, QStringLiteral("Mn*.*"));
        }
    }
}
