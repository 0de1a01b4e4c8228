#include "ChannelNames.h"

#include "NameFiles.h"
#include "common/TextFile.h"
#include "common/Vb.h"

namespace ChannelNames {

QString pageFile(const QString &groupDir, int page)
{
    return groupDir + QStringLiteral("\\CHNAME\\CHNAME") + QString::number(page) + QStringLiteral(".TXT");
}

QStringList headers()
{
    return {QStringLiteral("ＣＨ_番号"),  QStringLiteral("ＣＨ 名称"), QStringLiteral("管理番号"),
            QStringLiteral("圧縮機型番"), QStringLiteral("製造ﾒｰｶｰ"),  QStringLiteral("容量_kw"),
            QStringLiteral("補正値")};
}

QList<int> widthsTwips()
{
    return {1100, 4100, 2450, 2300, 1500, 1383, 1200};
}

QStringList pageItems()
{
    QStringList items;
    for (int p = 1; p <= Pages; ++p)
        items << QStringLiteral("CH_%1--CH_%2")
                     .arg(Format((p - 1) * RowsPerPage + 1, QStringLiteral("00")))
                     .arg(Format(p * RowsPerPage, QStringLiteral("00")));
    return items;
}

QString loadRowLabel(int row)
{
    return QStringLiteral("ＣＨ_") + Format(row, QStringLiteral("00"));
}

QString pageRowLabel(int page, int row)
{
    return QStringLiteral("CH_") + Format((page - 1) * RowsPerPage + row, QStringLiteral("00"));
}

QString groupLabelText(const QString &groupNo)
{
    return QStringLiteral(" GRP_") + groupNo;
}

QString capacityPlaceholder()
{
    return QStringLiteral("_kw");
}

QString fixedCorrection(const QString &cell)
{
    const double v = Val(cell);
    return v >= 3900 || v <= 100 ? QStringLiteral("1000") : cell;
}

void load(AppState &state)
{
    state.GroupDir = QStringLiteral("C:\\GRP") + state.GroupNo;
    for (ChannelNameRow &row : state.ChannelNameTable)
        row = {};
    for (int p = 1; p <= Pages; ++p) {
        bool ok = false;
        const QStringList lines = TextFile::readLines(pageFile(state.GroupDir, p), &ok);
        if (!ok)
            break;
        for (int i = 0; i < qMin(RowsPerPage, int(lines.size())); ++i) {
            const QStringList fields = NameFiles::splitFields(lines[i], Fields);
            ChannelNameRow &row = state.ChannelNameTable[(p - 1) * RowsPerPage + i];
            std::copy(fields.begin(), fields.end(), row.begin());
        }
    }
}

QStringList pageLines(const QList<QStringList> &rows)
{
    QStringList lines;
    for (int r = 0; r < RowsPerPage; ++r) {
        QStringList fields = rows.value(r);
        fields.resize(Fields);
        lines << NameFiles::joinFields(fields);
    }
    return lines;
}

QString nameLabelText(const AppState &state, const QString &chNo)
{
    const int channel = int(Val(chNo));
    const bool inTable = channel >= 1 && channel <= int(state.ChannelNameTable.size());
    return (inTable ? state.ChannelNameTable[channel - 1][0] : QString()) + QLatin1Char(' ');
}

} // namespace ChannelNames
