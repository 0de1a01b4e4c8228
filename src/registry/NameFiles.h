#pragma once
// The registries' files are rows of TAB-separated fields, one row a line.
#include <QString>
#include <QStringList>

namespace NameFiles {

// The first `fields` fields of a line; missing ones are empty, extra ones are dropped.
QStringList splitFields(const QString &line, int fields);
// Fields joined by TAB. A TAB or line break inside a field would split the row when read
// back, so each becomes a blank.
QString joinFields(const QStringList &fields);

} // namespace NameFiles
