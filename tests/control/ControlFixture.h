#pragma once
// The whole program on a pseudo-terminal (MainFixture) with helpers for the settings
// windows: their files, their controls by name, typing into a field, picking grid cells.
#include "../mainwin/MainFixture.h"

#include "common/TextFile.h"
#include "control/SettingsFiles.h"
#include "control/SettingsWindow.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

struct ControlFixture : MainFixture {
    ControlFixture()
    {
        QDir().mkpath(root.path() + "/ZRLOG/CONTROL");
        // The real bad-data box, once closed, may leave the main window active (some
        // desktops hand the keyboard to the top window): the stand-in does the same, so a
        // refusing window has to take the keyboard back itself.
        prompts.answer = [this, answer = prompts.answer](const Prompt::Message &m) {
            if (m.text == QStringLiteral("データの異常です")) {
                window->show();
                window->activateWindow();
                (void)QTest::qWaitFor([this] { return QApplication::activeWindow() == window; }, 1000);
            }
            return answer(m);
        };
    }
    // After a refusal: w is the active window and the keyboard is in the control named.
    static bool keyboardIn(QWidget *w, const QString &control)
    {
        (void)QTest::qWaitFor([w] { return QApplication::activeWindow() == w->window(); }, 1000);
        const QWidget *focus = QApplication::focusWidget();
        if (QApplication::activeWindow() != w->window() || !focus || focus->objectName() != control) {
            qWarning("active window %s, focus on %s",
                     qPrintable(QApplication::activeWindow() ? QApplication::activeWindow()->objectName()
                                                             : QStringLiteral("none")),
                     qPrintable(focus ? focus->objectName() : QStringLiteral("nothing")));
            return false;
        }
        return true;
    }

    static QString path(const char *file) { return SettingsFiles::controlPath(QString::fromLatin1(file)); }
    // A settings file's bytes; "(missing)" when absent.
    QByteArray file(const char *name) const
    {
        QFile f(DriveMap::toNative(path(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    void put(const char *name, const QString &content) const
    {
        QFile f(DriveMap::toNative(path(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(TextFile::encode(content));
    }
    // Opens the window as the main window's toolbar (button 6) or menu does.
    template <class W> W *open(WindowId id)
    {
        if (id == WindowId::Form5)
            window->action("mnuCont1")->trigger();
        else
            window->toolbarButton(6);
        sent(0); // nothing is sent on opening; drop what start-up sent
        return window->windows().existing<W>(id);
    }
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    // Selects the cells from (row, col) to (rowSel, colSel), as a drag would.
    static void pick(Grid *grid, int row, int col, int rowSel = -1, int colSel = -1)
    {
        grid->setSelection(row, col, rowSel < 0 ? row : rowSel, colSel < 0 ? col : colSel);
    }
    static QStringList cells(const Grid *grid, int row)
    {
        QStringList out;
        for (int c = 1; c < grid->cols(); ++c)
            out << grid->textMatrix(row, c);
        return out;
    }
    static void endWritePause(SettingsWindow *w)
    {
        emit w->findChild<QTimer *>(SettingsWindow::WritePauseTimer)->timeout({});
    }
    QStringList messages() const
    {
        QStringList out;
        for (const Prompt::Message &m : prompts.asked)
            out << m.title + "|" + m.text;
        return out;
    }
};
