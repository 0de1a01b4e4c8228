#pragma once
// After every channel name save the companion program gets C:\ZRDAT\TEMP\NAME.TXT, merged
// from its own C:\GRP01\Vimro.ini and Vimro2.TXT with the group names and the page files
// of its form (CHNAME01.TXT .. CHNAME11.TXT, eight channels a file, the value in the last
// two characters of a line).
#include "GroupNames.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace CompanionExport {

QString iniFile();    // C:\GRP01\Vimro.ini
QString vimro2File(); // C:\GRP01\Vimro2.TXT
QString nameFile();   // C:\ZRDAT\TEMP\NAME.TXT
// C:\GRPgg\CHNAME\CHNAMEff.TXT
QString companionPageFile(int group, int fileNo);

struct Sources {
    QStringList vimroIni;
    std::optional<QStringList> vimro2; // none when the file is missing
    GroupNames::Table groupNames;
    // Lines of the companion page files that exist, by (group, file number).
    QMap<std::pair<int, int>, QStringList> pages;
};

// The lines of NAME.TXT.
QStringList exportLines(const Sources &sources);

enum class Result { NoCompanion, Written, NotWritten };
// Reads the sources and replaces NAME.TXT with the export as a whole. Nothing happens
// without Vimro.ini.
Result run();

} // namespace CompanionExport
