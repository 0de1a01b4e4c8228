// Numeric fields take digits and Backspace only; other typing beeps and changes nothing.
#include "testmain.h"

#include "control/DigitFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

class DigitFilterTest : public QObject {
    Q_OBJECT
    int m_beeps = 0;

private slots:
    void init()
    {
        m_beeps = 0;
        DigitFilter::setBeep([this] { ++m_beeps; });
    }
    void cleanup() { DigitFilter::setBeep(nullptr); }

    void setUp()
    {
        QLineEdit field;
        SetUpDigitField(&field, 4, QStringLiteral("0000"));
        QCOMPARE(field.text(), QStringLiteral("0000"));
        QCOMPARE(field.maxLength(), 4);
        QCOMPARE(field.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    }

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits up to the limit") << "0123"
                                                << "012" << 0;
        QTest::newRow("backspace") << "12\b3"
                                   << "13" << 0;
        QTest::newRow("letters") << "1a2B"
                                 << "12" << 2;
        QTest::newRow("sign, point, blank") << "-1. 5"
                                            << "15" << 3;
        QTest::newRow("full-width digit") << "1２"
                                          << "1" << 1;
        QTest::newRow("enter") << "1\r"
                               << "1" << 1;
    }
    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        QLineEdit field;
        SetUpDigitField(&field, 3, QStringLiteral("9"));
        field.selectAll(); // the first key replaces it
        for (const QChar c : typed) {
            const int key = c == u'\b'   ? int(Qt::Key_Backspace)
                            : c == u'\r' ? int(Qt::Key_Return)
                                         : int(c.toUpper().unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&field, &press);
        }
        QCOMPARE(field.text(), text);
        QCOMPARE(m_beeps, beeps);
    }

    void pasteBeeps()
    {
        QLineEdit field;
        SetUpDigitField(&field, 3, QStringLiteral("1"));
        QApplication::clipboard()->setText(QStringLiteral("x9"));
        QTest::keySequence(&field, QKeySequence::Paste);
        QCOMPARE(field.text(), QStringLiteral("1"));
        QCOMPARE(m_beeps, 1);
        QCOMPARE(field.contextMenuPolicy(), Qt::NoContextMenu);
        // Delete edits as usual, even where the platform gives it a text.
        field.setCursorPosition(0);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(&field, &del);
        QCOMPARE(field.text(), QString());
        QCOMPARE(m_beeps, 1);
        QVERIFY(!field.acceptDrops());
        QVERIFY(!field.testAttribute(Qt::WA_InputMethodEnabled));
    }
};

UNITDESK_TEST(DigitFilterTest)
#include "DigitFilterTest.moc"
