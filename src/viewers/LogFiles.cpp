#include "LogFiles.h"

#include "LogViewDialog.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/Vb.h"
#include "logstore/StorePaths.h"
#include "ui/WindowSet.h"

#include <QFileInfo>

namespace LogFiles {

using LogView::View;

Prompt::FileDialog openDialog(View view, const AppState &state)
{
    Prompt::FileDialog dialog;
    dialog.mode = Prompt::FileDialog::Open;
    dialog.title = QStringLiteral("保存しているログファイルを開く");
    dialog.filter = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.TXT)");
    if (state.UnitTypeCode == QLatin1String("G"))
        return dialog;
    const QString year = state.GroupDir + KindFolder(state.UnitTypeCode) + QStringLiteral("\\Y20") +
                         Format(state.PickedDate.yy, QStringLiteral("00"));
    dialog.fileName = year + (view == View::Daily ? QStringLiteral("\\DAY\\*.TXT") : QStringLiteral("\\M**"));
    return dialog;
}

Prompt::FileDialog saveDialog(const AppState &state)
{
    Prompt::FileDialog dialog;
    dialog.mode = Prompt::FileDialog::Save;
    dialog.title = QStringLiteral("表示展開しているログファイルを保存");
    dialog.initialDir = QStringLiteral("C:\\AMPDAT");
    dialog.filter = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)");
    dialog.fileName = state.OpenedLogFile;
    return dialog;
}

bool chooseLog(AppState &state, View view, QWidget *parent)
{
    state.OpenedLogFile = Prompt::chooseFile(openDialog(view, state), parent);
    return !state.OpenedLogFile.isEmpty();
}

void openStoredLog(AppState &state, WindowSet &windows, View view, QWidget *parent)
{
    if (!chooseLog(state, view, parent))
        return;
    const WindowId id = view == View::Daily ? WindowId::Form4 : WindowId::Form3;
    if (auto *w = windows.get<LogViewDialog>(id)) {
        windows.show(id);
        w->load();
    }
}

bool saveCopy(const AppState &state, QWidget *parent)
{
    const QString source = state.OpenedLogFile;
    if (source.isEmpty())
        return false;
    const QString dest = Prompt::chooseFile(saveDialog(state), parent);
    if (dest.isEmpty())
        return false;
    // Copying a file onto itself would leave nothing to copy from: it already is the copy.
    const QFileInfo from(DriveMap::toNative(source)), to(DriveMap::toNative(dest));
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;
    if (DriveMap::replaceFile(source, dest))
        return true;
    // Silence here would let the user believe a copy exists; the stored log is untouched.
    Prompt::ask({QStringLiteral("ログファイルを保存できません。\n") + dest, QStringLiteral("ログファイルの保存"),
                 Prompt::Buttons::Ok, Prompt::Icon::Warning, Prompt::Answer::Ok},
                parent);
    return false;
}

} // namespace LogFiles
