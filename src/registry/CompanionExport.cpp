#include "CompanionExport.h"

#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "common/Vb.h"

namespace CompanionExport {

namespace {

// Vimro.ini lines 6..203 name up to 99 groups, two lines a group.
constexpr int FirstNameLine = 6, LastNameLine = 203;
constexpr int NameGroups = (LastNameLine - FirstNameLine + 1) / 2;
// Channel values come from groups 1..20, files 01..11.
constexpr int ValueGroups = 20, ValueFiles = 11;
// Vimro2.TXT lines 2..395 carry the power-channel flags.
constexpr int FirstFlagLine = 2, LastFlagLine = 395;

QString two(int n)
{
    return Format(n, QStringLiteral("00"));
}

QString number(double v)
{
    return v == qint64(v) ? QString::number(qint64(v)) : QString::number(v);
}

} // namespace

QString iniFile()
{
    return QStringLiteral("C:\\GRP01\\Vimro.ini");
}

QString vimro2File()
{
    return QStringLiteral("C:\\GRP01\\Vimro2.TXT");
}

QString nameFile()
{
    return QStringLiteral("C:\\ZRDAT\\TEMP\\NAME.TXT");
}

QString companionPageFile(int group, int fileNo)
{
    return QStringLiteral("C:\\GRP") + two(group) + QStringLiteral("\\CHNAME\\CHNAME") + two(fileNo) +
           QStringLiteral(".TXT");
}

QStringList exportLines(const Sources &s)
{
    QStringList out;

    // Vimro.ini, with a group's name and then its first channel's value in the name lines
    // of every group that has a first page file.
    int g = 1;
    bool nameNext = true;
    for (int n = 1; n <= s.vimroIni.size(); ++n) {
        QString line = s.vimroIni[n - 1];
        const auto page = s.pages.find({g, 1});
        if (n >= FirstNameLine && n <= LastNameLine && page != s.pages.end()) {
            if (nameNext) {
                line = Mid(line, 1, 7) + s.groupNames.value(g).value(1);
            } else {
                QString r = page->value(0).right(2);
                if (r == QLatin1String(" "))
                    r.clear();
                line = Mid(line, 1, 7) + r;
                ++g;
            }
            nameNext = !nameNext;
        }
        out << line;
        if (line == QLatin1String("ch9901="))
            break;
    }

    // One line per channel value of the companion page files.
    for (int group = 1; group <= ValueGroups; ++group) {
        for (int f = 1; f <= ValueFiles; ++f) {
            const auto page = s.pages.find({group, f});
            if (page == s.pages.end())
                continue;
            for (int k = 0; k < page->size(); ++k) {
                if (f == 1 && k == 0)
                    continue;
                const QString r = page->at(k).right(2);
                const double v = Val(r);
                if (v != 0 && !r.isEmpty() && !r.startsWith(QLatin1Char(' ')))
                    out << QStringLiteral("ch") + two(group) + two((f - 1) * 8 + k + 1) + QLatin1Char('=') +
                               number(v);
            }
        }
    }

    // Vimro2.TXT with every power-channel flag "0": this system keeps no power-channel names.
    if (s.vimro2) {
        int phase = 0;
        for (int n = 1; n <= s.vimro2->size(); ++n) {
            QString line = s.vimro2->at(n - 1);
            if (n >= FirstFlagLine && n <= LastFlagLine) {
                if (phase == 1)
                    line = Mid(line, 1, 10) + QLatin1Char('0');
                else if (phase != 3)
                    line = Mid(line, 1, 11) + QLatin1Char('0');
                phase = (phase + 1) % 4;
            }
            out << line;
        }
    }
    return out;
}

Result run()
{
    bool ok = false;
    Sources s;
    s.vimroIni = TextFile::readLines(iniFile(), &ok);
    if (!ok)
        return Result::NoCompanion;
    const QStringList vimro2 = TextFile::readLines(vimro2File(), &ok);
    if (ok)
        s.vimro2 = vimro2;
    s.groupNames = GroupNames::load();
    const auto take = [&s](int group, int f) {
        bool read = false;
        const QStringList lines = TextFile::readLines(companionPageFile(group, f), &read);
        if (read)
            s.pages.insert({group, f}, lines);
    };
    for (int group = 1; group <= NameGroups; ++group)
        take(group, 1);
    for (int group = 1; group <= ValueGroups; ++group)
        for (int f = 2; f <= ValueFiles; ++f)
            take(group, f);

    // Written whole beside the old file and renamed over it: the companion never sees half.
    const QString target = nameFile();
    const QString folder = target.left(target.lastIndexOf(QLatin1Char('\\')));
    if (!DriveMap::ensureDir(folder) || !TextFile::writeLines(target, exportLines(s)))
        return Result::NotWritten;
    return Result::Written;
}

} // namespace CompanionExport
