#pragma once
// Numeric entry fields: the digits 0-9 and Backspace pass, any other typed character
// (pasting included) is dropped with a beep. Keys that type nothing (arrows, Tab, Delete)
// keep their ordinary use.
#include <QObject>
#include <functional>

class QLineEdit;

class DigitFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The beep; tests replace it (nullptr restores the system beep).
    static void setBeep(std::function<void()> beep);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Sets a field up as every numeric settings field is: right-aligned, at most maxLength
// characters, filtered as above, showing text, its text selected when it gets the focus.
void SetUpDigitField(QLineEdit *field, int maxLength, const QString &text);
