// Form9 and Form14: the grids, the cell editor, saving, page changes and printing.
#include "../FileSizeLimit.h"
#include "../GridInput.h"
#include "RegistryRoot.h"
#include "testmain.h"

#include "common/AppState.h"
#include "registry/ChannelNames.h"
#include "registry/ChannelNamesDialog.h"
#include "registry/GroupNames.h"
#include "registry/GroupNamesDialog.h"
#include "ui/Grid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {
QStringList rowOf(const Grid &g, int row)
{
    QStringList cells;
    for (int c = 0; c < g.cols(); ++c)
        cells << g.textMatrix(row, c);
    return cells;
}

// What a poppler tool prints about a PDF.
QString pdfTool(const QString &name, const QStringList &args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(name), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF, or nothing without pdftotext.
QString pdfText(const QString &nativePath)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return QString();
    QProcess p;
    p.start(tool, {"-layout", nativePath, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class NameWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void groupNamesWindow()
    {
        RegistryRoot root;
        root.putLines(GroupNames::filePath(), {"本社\t事務所\t", "", "旧名"});
        int refreshed = 0, cleared = 0;
        GroupNamesDialog form({{}, [&] { ++refreshed; }, [&] { ++cleared; }});
        Grid &g = *form.MSFlexGrid1;
        QCOMPARE(form.objectName(), QStringLiteral("Form9"));
        QCOMPARE(form.windowTitle(), QStringLiteral("ｸﾞﾙｰﾌﾟ名登録"));
        QCOMPARE(form.Label1->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ名の登録"));
        QCOMPARE(form.Command3->text(), QStringLiteral("登録"));
        QCOMPARE(g.rows(), 51);
        QCOMPARE(rowOf(g, 0), (QStringList{"ＧＲＰ_番号", "ＧＲＰ 名称", "対象機器名", "備考"}));
        QCOMPARE(rowOf(g, 1), (QStringList{"ＧＲＰ_01", "本社", "事務所", ""}));
        QCOMPARE(g.textMatrix(50, 0), QStringLiteral("ＧＲＰ_50"));
        QCOMPARE((QList<int>{g.colWidthTwips(0), g.colWidthTwips(1), g.colWidthTwips(2), g.colWidthTwips(3)}),
                 (QList<int>{1300, 3700, 2620, 2280}));
        QCOMPARE(g.row(), 1);
        QCOMPARE(g.col(), 1);

        // A click copies the cell into Text1; every change goes into all selected cells.
        g.setCurrentCell(3, 1);
        emit g.clicked(g.model()->index(2, 0));
        QCOMPARE(form.Text1->text(), QStringLiteral("旧名"));
        g.setSelection(3, 1, 3, 3);
        form.Text1->setText("第三工場");
        QCOMPARE(rowOf(g, 3), (QStringList{"ＧＲＰ_03", "第三工場", "第三工場", "第三工場"}));
        g.setSelection(1, 1, 1, 2);
        form.Text1->setText("");

        QVERIFY(form.Command3_Click());
        QByteArray expected;
        for (int n = 1; n <= 50; ++n)
            expected += n == 3 ? root.sjis("第三工場\t第三工場\t第三工場") + "\r\n" : QByteArray("\t\t\r\n");
        QCOMPARE(root.bytes(GroupNames::filePath()), expected);
        QCOMPARE(refreshed, 1);
        QCOMPARE(g.row(), 1);
        QVERIFY(root.prompts.asked.isEmpty());

        form.close();
        QCOMPARE(cleared, 1);
    }

    void groupNamesNotWritten()
    {
        RegistryRoot root;
        const QByteArray old = QByteArray("本社\t\t\r\n").repeated(50);
        root.put(GroupNames::filePath(), old);
        GroupNamesDialog form({});
        {
            FileSizeLimit limit(100); // the 50 lines need more
            QVERIFY(!form.Command3_Click());
        }
        QCOMPARE(root.prompts.asked.size(), 1);
        QVERIFY(root.prompts.asked.first().text.contains(GroupNames::writePath()));
        QCOMPARE(root.bytes(GroupNames::filePath()), old);
    }

    void channelNamesWindow()
    {
        RegistryRoot root;
        AppState s;
        s.GroupNo = "03";
        root.putLines(ChannelNames::pageFile("C:\\GRP03", 1), {"一号機\t001\tAB-1\t甲社\t7.5\t1200"});
        root.putLines(ChannelNames::pageFile("C:\\GRP03", 2), {"", "十二号機"});
        int cleared = 0;
        ChannelNamesDialog form(s, {{}, {}, [&] { ++cleared; }});
        Grid &g = *form.MSFlexGrid1;
        QCOMPARE(form.objectName(), QStringLiteral("Form14"));
        QCOMPARE(form.windowTitle(), QStringLiteral("CH名登録"));
        QCOMPARE(form.Label1->text(), QStringLiteral(" GRP_03"));
        QCOMPARE(form.Combo1->currentText(), QStringLiteral("CH_01--CH_10"));
        QCOMPARE(form.Combo1->count(), 10);
        QCOMPARE(form.Command1->text(), QStringLiteral("印刷"));
        QCOMPARE(form.Command3->text(), QStringLiteral("登録"));
        QCOMPARE(s.ChNamePage, QStringLiteral("1"));
        QCOMPARE(g.rows(), 11);
        QCOMPARE(rowOf(g, 0), (QStringList{"ＣＨ_番号", "ＣＨ 名称", "管理番号", "圧縮機型番", "製造ﾒｰｶｰ",
                                           "容量_kw", "補正値"}));
        QCOMPARE(rowOf(g, 1), (QStringList{"ＣＨ_01", "一号機", "001", "AB-1", "甲社", "7.5", "1200"}));
        QCOMPARE(rowOf(g, 10), (QStringList{"ＣＨ_10", "", "", "", "", "_kw", ""}));
        QList<int> widths;
        for (int c = 0; c < 7; ++c)
            widths << g.colWidthTwips(c);
        QCOMPARE(widths, (QList<int>{1100, 4100, 2450, 2300, 1500, 1383, 1200}));

        // Page 2: half-width labels, channel 12 on row 2.
        form.Combo1->setCurrentIndex(1);
        form.Combo1_Click(1);
        QCOMPARE(g.textMatrix(1, 0), QStringLiteral("CH_11"));
        QCOMPARE(g.textMatrix(2, 1), QStringLiteral("十二号機"));
        QCOMPARE(s.ChNamePage, QStringLiteral("2"));
        form.Combo1->setCurrentIndex(9);
        form.Combo1_Click(9);
        QCOMPARE(g.textMatrix(10, 0), QStringLiteral("CH_100"));

        // Saving page 10: corrections outside 101..3899 become 1000, the placeholder is no
        // capacity, and the page is loaded back.
        const QStringList corrections{"", "100", "101", "3899", "3900", "", "", "", "", ""};
        for (int r = 1; r <= 10; ++r)
            g.setTextMatrix(r, 6, corrections[r - 1]);
        g.setTextMatrix(1, 1, "九十一号機");
        g.setTextMatrix(1, 5, "11");
        QVERIFY(form.Command3_Click());
        QCOMPARE(root.bytes(ChannelNames::pageFile("C:\\GRP03", 10)),
                 root.sjis("九十一号機\t\t\t\t11\t1000") + "\r\n" + "\t\t\t\t\t1000\r\n" +
                     "\t\t\t\t\t101\r\n" + "\t\t\t\t\t3899\r\n" +
                     QByteArray("\t\t\t\t\t1000\r\n").repeated(6));
        QCOMPARE(g.row(), 1);
        QCOMPARE(g.col(), 1);
        // Pages 3..9 are missing, so page 10 is not reached by the loading.
        QCOMPARE(g.textMatrix(1, 1), QString());
        QVERIFY(root.prompts.asked.isEmpty());

        form.close();
        QCOMPARE(cleared, 1);
    }

    void channelPageNotWritten()
    {
        RegistryRoot root;
        AppState s;
        s.GroupNo = "03";
        const QString page1 = ChannelNames::pageFile("C:\\GRP03", 1);
        root.putLines(page1, {"一号機"});
        const QByteArray old = root.bytes(page1);
        ChannelNamesDialog form(s, {});
        form.MSFlexGrid1->setTextMatrix(1, 1, "新しい名前");
        {
            FileSizeLimit limit(20);
            QVERIFY(!form.Command3_Click());
        }
        QCOMPARE(root.prompts.asked.size(), 1);
        QVERIFY(root.prompts.asked.first().text.contains("C:\\GRP03\\CHNAME\\CHNAME1.TXT"));
        QCOMPARE(root.bytes(page1), old);

        // Without its CHNAME folder the group's page cannot be written either: said, no crash.
        s.GroupNo = "04";
        QVERIFY(!form.Command3_Click());
        QVERIFY(root.prompts.asked.last().text.contains("C:\\GRP04\\CHNAME\\CHNAME1.TXT"));
    }

    // After a save, a page change or a load the editor shows the cell the cursor is on, so
    // the next key edits that cell with its own text; the caption names the column.
    void editorFollowsTheCurrentCell()
    {
        RegistryRoot root;
        AppState s;
        s.GroupNo = "03";
        root.putLines(ChannelNames::pageFile("C:\\GRP03", 1), {"1号機", "2号機", "3号機\t003"});
        root.putLines(ChannelNames::pageFile("C:\\GRP03", 2), {"11号機"});
        ChannelNamesDialog form(s, {});
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Grid *g = form.MSFlexGrid1;
        QCOMPARE(form.Text1->text(), QStringLiteral("1号機"));
        QCOMPARE(form.Label2->text(), QStringLiteral("ＣＨ 名称"));

        GridInput::click(g, 3, 2);
        QCOMPARE(form.Text1->text(), QStringLiteral("003"));
        QCOMPARE(form.Label2->text(), QStringLiteral("管理番号"));
        GridInput::click(g, 3, 1);
        QCOMPARE(form.Text1->text(), QStringLiteral("3号機"));
        QVERIFY(form.Text1->hasFocus());
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        QCOMPARE(g->row(), 1);
        QCOMPARE(form.Text1->text(), QStringLiteral("1号機"));
        QCOMPARE(form.Label2->text(), QStringLiteral("ＣＨ 名称"));
        QTest::keyClick(form.Text1, Qt::Key_End);
        QTest::keyClicks(form.Text1, "A");
        QCOMPARE(g->textMatrix(1, 1), QStringLiteral("1号機A"));
        QCOMPARE(g->textMatrix(3, 1), QStringLiteral("3号機"));

        // A key typed in the grid goes to the editor, replacing its text, into the cell.
        GridInput::click(g, 2, 1);
        g->setFocus();
        QTest::keyClicks(g, "B");
        QCOMPARE(g->textMatrix(2, 1), QStringLiteral("B"));

        form.Combo1->setCurrentIndex(1);
        form.Combo1_Click(1);
        QCOMPARE(form.Text1->text(), QStringLiteral("11号機"));

        root.putLines(GroupNames::filePath(), {"本社\t事務所\t倉庫"});
        GroupNamesDialog groups({});
        groups.show();
        groups.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&groups));
        QCOMPARE(groups.Text1->text(), QStringLiteral("本社"));
        GridInput::click(groups.MSFlexGrid1, 1, 2);
        QCOMPARE(groups.Label1->text(), QStringLiteral("対象機器名の登録"));
        QCOMPARE(groups.Text1->text(), QStringLiteral("事務所"));
        GridInput::click(groups.MSFlexGrid1, 1, 3);
        QCOMPARE(groups.Label1->text(), QStringLiteral("備考の登録"));
        QTest::mouseClick(groups.Command3, Qt::LeftButton);
        QCOMPARE(groups.Label1->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ名の登録"));
        QCOMPARE(groups.Text1->text(), QStringLiteral("本社"));
    }

    void printing()
    {
        RegistryRoot root;
        AppState s;
        s.GroupNo = "03";
        root.putLines(ChannelNames::pageFile("C:\\GRP03", 1), {"冷凍機A\t001\tAB-1\t甲社\t7.5\t1200"});
        ChannelNamesDialog form(s, {});
        QList<ChannelPrint::Page> shown;
        form.previewPage = [&](const ChannelPrint::Page &p, QWidget *) { shown << p; };

        form.Command1_Click(); // cancelled
        QVERIFY(shown.isEmpty());
        const Prompt::Message &m = root.prompts.asked.first();
        QCOMPARE(m.text, QStringLiteral("子機CH名登録の印刷を開始ます"));
        QCOMPARE(m.title, QStringLiteral("CH名の印刷開始"));
        QCOMPARE(m.buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(m.icon, Prompt::Icon::Warning);

        root.answers = {Prompt::Answer::Ok};
        form.Command1_Click();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].groupLabel, QStringLiteral(" GRP_03"));
        QCOMPARE(shown[0].pageText, QStringLiteral("CH_01--CH_10"));
        QCOMPARE(shown[0].rows.size(), 11);

        // The page as printed, in a PDF: landscape, the title line and the rows.
        const QString pdf = "C:\\out\\page.pdf";
        QVERIFY(DriveMap::ensureDir("C:\\out"));
        QVERIFY(ChannelPrint::savePdf(shown[0], pdf));
        QPrinter probe;
        ChannelPrint::preparePrinter(probe);
        QCOMPARE(probe.pageLayout().orientation(), QPageLayout::Landscape);
        const QString text = pdfText(DriveMap::toNative(pdf));
        if (text.isEmpty())
            QSKIP("pdftotext is not installed (scripts/deps installs it)");
        QVERIFY2(text.contains(QRegularExpression(" GRP_03\\s+CH_01--CH_10")), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(
                     "ＣＨ_番号\\s+ＣＨ 名称\\s+管理番号\\s+圧縮機型番\\s+製造ﾒｰｶｰ\\s+容量_kw\\s+補正値")),
                 qPrintable(text));
        QVERIFY2(
            text.contains(QRegularExpression("ＣＨ_01\\s+冷凍機A\\s+001\\s+AB-1\\s+甲社\\s+7.5\\s+1200")),
            qPrintable(text));
        QVERIFY2(text.contains("ＣＨ_10"), qPrintable(text));
        // The title comes first, after the blank lines.
        QVERIFY(text.indexOf("GRP_03") < text.indexOf("ＣＨ_番号"));

        // One Japanese font for every character: Latin and Japanese words of a row share
        // their line. The rows fill the landscape page down to its foot.
        const QStringList fonts =
            pdfTool("pdffonts", {DriveMap::toNative(pdf)}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY2(!fonts.isEmpty(), "pdffonts lists no font");
        for (const QString &font : fonts)
            QVERIFY2(font.contains("NotoSansCJK"), qPrintable(fonts.join('\n')));
        const QString boxes = pdfTool("pdftotext", {"-bbox", DriveMap::toNative(pdf), "-"});
        const auto box = [&boxes](const QString &word) {
            const QRegularExpression re(
                "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">" +
                QRegularExpression::escape(word) + "</word>");
            const QRegularExpressionMatch m = re.match(boxes);
            return m.hasMatch() ? QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))
                                : QRectF();
        };
        const double pageHeight = QRegularExpression("<page width=\"[\\d.]+\" height=\"([\\d.]+)\"")
                                      .match(boxes)
                                      .captured(1)
                                      .toDouble();
        const QRectF latin = box("001"), japanese = box("甲社"), last = box("ＣＨ_10");
        QVERIFY2(latin.isValid() && japanese.isValid() && last.isValid() && pageHeight > 0,
                 qPrintable(boxes));
        QCOMPARE(latin.top(), japanese.top());
        QCOMPARE(latin.bottom(), japanese.bottom());
        QVERIFY2(last.bottom() > 0.8 * pageHeight, qPrintable(QString::number(last.bottom() / pageHeight)));
    }

    void previewSavesThePageAsPdf()
    {
        RegistryRoot root;
        QVERIFY(DriveMap::ensureDir("C:\\AMPDAT"));
        root.prompts.file = [](const Prompt::FileDialog &) { return QStringLiteral("C:\\AMPDAT\\page.pdf"); };
        bool pdfOffered = false;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *preview = qobject_cast<QPrintPreviewDialog *>(w)) {
                    if (auto *pdf = preview->findChild<QAction *>("cmdPdf")) {
                        pdfOffered = true;
                        pdf->trigger();
                    }
                    preview->reject();
                }
        });
        ChannelPrint::preview({" GRP_01", "CH_01--CH_10", {{"ＣＨ_番号"}}}, nullptr);
        QVERIFY(pdfOffered);
        QCOMPARE(root.prompts.fileDialogs.size(), 1);
        QCOMPARE(root.prompts.fileDialogs.first().title, QStringLiteral("PDFで保存"));
        QVERIFY(root.bytes("C:\\AMPDAT\\page.pdf").startsWith("%PDF"));
        QVERIFY(root.prompts.asked.isEmpty());
    }

    void printerThatFails()
    {
        RegistryRoot root;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(root.dir.path() + "/missing/folder/page.pdf");
        QVERIFY(!ChannelPrint::printOn(printer, {" GRP_01", "CH_01--CH_10", {}}, nullptr));
        QCOMPARE(root.prompts.asked.size(), 1);
        QCOMPARE(root.prompts.asked.first().title, QStringLiteral("CH名の印刷"));
        QVERIFY(!ChannelPrint::savePdf({}, "C:\\missing\\page.pdf"));
    }
};

UNITDESK_TEST(NameWindowsTest)
#include "NameWindowsTest.moc"
