#include "SettingsFiles.h"

#include "BasicConditionsCodec.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "ui/Grid.h"

#include <QStringList>

namespace SettingsFiles {

QString controlPath(const QString &fileName)
{
    return QStringLiteral("C:\\ZRLOG\\CONTROL\\") + fileName;
}

bool LoadGridFile(Grid &grid, const QString &logicalPath)
{
    bool ok = false;
    const QStringList lines = TextFile::readLines(logicalPath, &ok);
    bool complete = ok;
    grid.setCol(1);
    if (ok) {
        for (int i = 1; i <= lines.size(); ++i) {
            if (i >= grid.rows()) {
                complete = false;
                break;
            }
            grid.setSelection(i, 1, i, grid.cols() - 1);
            grid.setClipText(lines[i - 1]);
        }
    }
    grid.setCurrentCell(1, 1);
    return complete;
}

bool SaveGridFile(const Grid &grid, const QString &logicalPath, int rows)
{
    QStringList lines;
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (int c = 1; c < grid.cols(); ++c)
            cells << grid.textMatrix(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return TextFile::writeLines(logicalPath, lines);
}

std::optional<QString> ReadQuotedLine(const QString &logicalPath)
{
    bool ok = false;
    const QStringList lines = TextFile::readLines(logicalPath, &ok);
    if (!ok || lines.isEmpty())
        return std::nullopt;
    return lines.first();
}

bool WriteQuotedLine(const QString &logicalPath, const QString &value)
{
    return TextFile::writeQuotedLine(logicalPath, value);
}

bool RewriteQuotedLine(const QString &logicalPath, const QString &value)
{
    if (!DriveMap::fileExists(logicalPath))
        return true;
    return TextFile::writeQuotedLine(logicalPath, value);
}

bool LoadBasicConditionFiles(std::array<QString, 7> &fields, Grid &rateGrid, Grid &weekdayGrid)
{
    const auto line = ReadQuotedLine(controlPath(QStringLiteral("BASE.TXT")));
    if (line)
        fields = DecodeBaseLine(*line);
    const bool complete = line && LoadGridFile(rateGrid, controlPath(QStringLiteral("CONT1.TXT"))) &&
                          LoadGridFile(weekdayGrid, controlPath(QStringLiteral("WEEK.TXT")));
    rateGrid.setCurrentCell(1, 1);
    weekdayGrid.setCurrentCell(1, 1);
    return complete;
}

bool LoadWaterSprayBasicFiles(std::array<QString, 7> &fields, Grid &grid)
{
    const auto line = ReadQuotedLine(controlPath(QStringLiteral("BASE_WJ.TXT")));
    if (line) {
        const BaseLineFields read = DecodeBaseLine(*line);
        std::copy(read.begin(), read.begin() + 6, fields.begin());
    }
    const bool complete = line && LoadGridFile(grid, controlPath(QStringLiteral("CONT_WJ1.TXT")));
    grid.setCurrentCell(1, 1);
    return complete;
}

} // namespace SettingsFiles
