#pragma once
// Every message box and file dialog goes through here. The program shows the real Qt
// dialogs; tests install a scripted stand-in that records the questions and answers them.
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace Prompt {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Warning, Exclamation, Information, Critical };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

struct FileDialog {
    enum Mode { Open, Save } mode = Open;
    QString title;
    QString initialDir; // logical path
    QString filter;
    QString fileName;
};

// Shows the message box; returns the button pressed.
Answer ask(const Message &message, QWidget *parent = nullptr);
// Shows a file dialog; returns the chosen logical path, empty when cancelled.
QString chooseFile(const FileDialog &dialog, QWidget *parent = nullptr);

// The settings windows' refusal of a value that has no code or does not fit its frame:
// "データの異常です", OK and Cancel, Cancel the default. Either answer sends nothing.
void badSettingData(QWidget *parent = nullptr);
// A settings or registry file that could not be written; names the file (logical path).
void fileNotWritten(const QString &logicalPath, QWidget *parent = nullptr);

// The stand-in used by tests: answers come from the functions, every request is recorded.
struct Script {
    std::function<Answer(const Message &)> answer;
    std::function<QString(const FileDialog &)> file;
    QList<Message> asked;
    QList<FileDialog> fileDialogs;
};
// Installs (or, with nullptr, removes) the stand-in.
void setScript(Script *script);

} // namespace Prompt
