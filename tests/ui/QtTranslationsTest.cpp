// Qt's own buttons and dialogs speak Japanese once the program has loaded Qt's catalogues,
// whatever the system's language.
#include "ui/QtTranslations.h"
#include "testmain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class QtTranslationsTest : public QObject {
    Q_OBJECT
private slots:
    // The other tests of this program see Qt as it came.
    void cleanup()
    {
        for (QTranslator *t : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }

    void standardButtonsAreJapanese()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(LoadQtTranslations());
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                                 QDialogButtonBox::No);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        QCOMPARE(buttons.button(QDialogButtonBox::No)->text(), QStringLiteral("いいえ(&N)"));
        QMessageBox box(QMessageBox::Warning, QStringLiteral("設定データ異常"),
                        QStringLiteral("データの異常です"), QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QLocale::setDefault(QLocale::system());
    }
};

UNITDESK_TEST(QtTranslationsTest)
#include "QtTranslationsTest.moc"
