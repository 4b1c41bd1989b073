#include "exposure/ctpprintlayout.h"
#include "exposure/ui/ctplistmodel.h"
#include "exposure/ui/ctptableprinter.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

// The printed table through a PDF printer, as the print dialog's file output
// gives it.
class TestCtpPrint : public QObject
{
    Q_OBJECT

    static TEvaluation Entries(int count)
    {
        TEvaluation ev;
        for (int i = 0; i < count; ++i) {
            const QString ref = QStringLiteral("CTP_%1").arg(i / 2 + 1, 2, 10, QLatin1Char('0'));
            ev.ctpId << i + 1;
            ev.reference << ref;
            ev.antennaRef << QStringLiteral("Loc01-Ant0%1").arg(i % 2 + 1);
            ev.fieldStrength << 1.5;
            ev.verdict << 4;
            ev.frequency << 145;
            ev.lines << TEvaluationLine{ref,
                                        QStringLiteral("Location_01"),
                                        ev.antennaRef.last(),
                                        QStringLiteral("12,5"),
                                        QStringLiteral("1,5"),
                                        QStringLiteral("Behind a brick wall"),
                                        QStringLiteral("A description long enough to be clipped "
                                                       "by its column on the printed page"),
                                        QStringLiteral("1,50 V/m")};
        }
        return ev;
    }

private slots:
    void pagesFollowTheRowsPerPage_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("one row") << 1;
        QTest::newRow("a hundred rows") << 100;
    }

    void pagesFollowTheRowsPerPage()
    {
        QFETCH(int, rows);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("ctp.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const int pages = PrintCtpTable(printer, Entries(rows), TCtpListModel::columnWidths(),
                                        QDate(2026, 12, 10));

        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printer.docName(), QStringLiteral("Print All Critical Test Points"));
        // The page rectangle lies inside the sheet by the physical offsets.
        const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSize(10);
        const int rowHeight =
            QFontMetrics(font, &printer).boundingRect(QStringLiteral("Dummy")).height();
        const TCtpPrintLayout l =
            CtpPrintLayout(page.width(), page.height(), page.left(), page.top(), rowHeight,
                           TCtpListModel::columnWidths(), rows);
        QVERIFY(l.rowsPerPage > 20);
        QCOMPARE(pages, l.pageCount);
        QVERIFY(QFileInfo(file).size() > 1000);
        if (rows == 100)
            QCOMPARE(pages, 3);
    }
};

QTEST_MAIN(TestCtpPrint)
#include "test_ctpprint.moc"
