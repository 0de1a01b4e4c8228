#pragma once
// Values the commands without a window take alike on their command lines.
#include <QString>
#include <QStringList>

// "7" or "07" of 1..50 as "07"; empty when the text is no group number.
QString GroupNoValue(const QString &text);
// The unit kinds, as UnitTypeCode spells them: A, B, WJ, C, D, G.
const QStringList &UnitKindCodes();
