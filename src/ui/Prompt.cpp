#include "Prompt.h"

#include "common/DriveMap.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace Prompt {

namespace {

Script *installedScript = nullptr;

// The answer of a box closed without a choice (Escape): Cancel or No where there is one.
Answer escapeAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

QMessageBox::StandardButton standardButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Warning:
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The system writes filters as "description|pattern|..."; a text without "|" is a
// description only, and the pattern then comes from the initial file name.
QString qtFilter(const QString &filter, const QString &namePattern)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) {
        const QString pattern = QLatin1Char('(') + namePattern + QLatin1Char(')');
        if (namePattern.isEmpty() || filter.endsWith(pattern, Qt::CaseInsensitive))
            return filter;
        return filter + QLatin1Char(' ') + pattern;
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") +
                       QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}

} // namespace

void setScript(Script *script)
{
    installedScript = script;
}

Answer ask(const Message &message, QWidget *parent)
{
    if (installedScript) {
        installedScript->asked << message;
        return installedScript->answer ? installedScript->answer(message) : escapeAnswer(message.buttons);
    }

    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (message.buttons == Buttons::OkCancel)
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
    else if (message.buttons == Buttons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(messageIcon(message.icon), message.title, message.text, buttons, parent);
    const QMessageBox::StandardButton defaultButton = standardButton(message.defaultButton);
    if (buttons & defaultButton)
        box.setDefaultButton(defaultButton);
    box.setEscapeButton(standardButton(escapeAnswer(message.buttons)));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return escapeAnswer(message.buttons);
    }
}

QString chooseFile(const FileDialog &dialog, QWidget *parent)
{
    if (installedScript) {
        installedScript->fileDialogs << dialog;
        return installedScript->file ? installedScript->file(dialog) : QString();
    }

    // The initial file name may carry its own folder and a wild-card pattern
    // ("C:\GRP01\ZR1\Y2013\DAY\*.TXT").
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QString folder = dialog.initialDir;
    QString name = dialog.fileName;
    const qsizetype cut = name.lastIndexOf(separators);
    if (cut >= 0) {
        folder = name.left(cut + 1);
        name = name.mid(cut + 1);
    }
    const bool wild = name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));

    QFileDialog box(parent, dialog.title, folder.isEmpty() ? QString() : DriveMap::toNative(folder),
                    qtFilter(dialog.filter, wild ? name : QString()));
    if (dialog.mode == FileDialog::Save) {
        box.setAcceptMode(QFileDialog::AcceptSave);
        box.setFileMode(QFileDialog::AnyFile);
    } else {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(QFileDialog::ExistingFile);
    }
    if (!wild && !name.isEmpty())
        box.selectFile(name);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return QString();
    return DriveMap::toLogical(box.selectedFiles().constFirst());
}

void badSettingData(QWidget *parent)
{
    ask({QStringLiteral("データの異常です"), QStringLiteral("設定データ異常"), Buttons::OkCancel, Icon::Warning,
         Answer::Cancel},
        parent);
}

void fileNotWritten(const QString &logicalPath, QWidget *parent)
{
    // Silence would let the user believe the file holds what the window shows; the old
    // file is left as it was.
    ask({QStringLiteral("ファイルに書き込めません。\n") + logicalPath, QStringLiteral("ファイルの保存"), Buttons::Ok,
         Icon::Warning, Answer::Ok},
        parent);
}

} // namespace Prompt
