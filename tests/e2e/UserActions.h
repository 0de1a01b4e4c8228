#pragma once
// What the end-to-end tests do as a user does: type into a field, pick a unit, and keep a
// picture of a window when asked to.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Replaces the field's text by typing, key by key (the fields filter keys).
inline void type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Picks an entry of a unit list the way a click does.
inline void pickUnit(QComboBox *combo, int entry)
{
    combo->setCurrentIndex(entry);
    emit combo->activated(entry);
}

// With UNITDESK_SCREENSHOTS set, the window as it looks now goes into that folder.
inline void screenshot(QWidget *w, const char *name)
{
    if (const QByteArray dir = qgetenv("UNITDESK_SCREENSHOTS"); !dir.isEmpty())
        w->grab().save(QString::fromLocal8Bit(dir) + "/" + name);
}
