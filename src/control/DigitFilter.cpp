#include "DigitFilter.h"

#include "ui/SelectOnFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
std::function<void()> &beeper()
{
    static std::function<void()> beep;
    return beep;
}

void beep()
{
    if (beeper())
        beeper()();
    else
        QApplication::beep();
}

bool allowed(const QString &typed)
{
    return typed == QLatin1String("\b") || (typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9');
}
} // namespace

void DigitFilter::setBeep(std::function<void()> beep)
{
    beeper() = std::move(beep);
}

bool DigitFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Some platforms give these keys a text of their own; they type nothing.
        const bool editingKey =
            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete;
        if (!editingKey && !key->text().isEmpty() && !allowed(key->text())) {
            beep();
            return true;
        }
        // Paste through the keyboard is typing too.
        if (key->matches(QKeySequence::Paste)) {
            beep();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SetUpDigitField(QLineEdit *field, int maxLength, const QString &text)
{
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMaxLength(maxLength);
    field->setText(text);
    // Paste from the context menu, a drop and an input method's text would all pass around
    // the key filter.
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setAcceptDrops(false);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(new DigitFilter(field));
    SelectAllOnFocus(field);
}
