#include "MaintLayout.h"

#include "control/SettingsWindow.h"
#include "ui/StatusBar.h"

void FixClientArea(SettingsWindow &window, int widthTwips, int heightTwips, bool withStatusBar, int leftTwips,
                   int topTwips)
{
    const int width = twipsToPixels(widthTwips);
    int height = twipsToPixels(heightTwips);
    if (withStatusBar) {
        const int barHeight = window.StatusBar1->sizeHint().height();
        window.StatusBar1->setGeometry(0, height, width, barHeight);
        height += barHeight;
    } else {
        window.StatusBar1->hide();
    }
    window.setFixedSize(width, height);
    moveTwips(&window, leftTwips, topTwips);
}

void SetBasicConditionsPanel(WindowSet &windows, const QString &text)
{
    if (QWidget *form10 = windows.existing(WindowId::Form10)) {
        if (auto *bar = form10->findChild<StatusBar *>(QStringLiteral("StatusBar1")))
            bar->setPanelText(2, text);
    }
}
