// Typing in a lookup list whose shown column is not the key column.
#include "shell/ui/lookupcombo.h"

#include <QComboBox>
#include <QStandardItemModel>
#include <QtTest>

class TestLookupCombo : public QObject
{
    Q_OBJECT

private slots:
    void typingPicksByTheShownColumn_data();
    void typingPicksByTheShownColumn();
};

void TestLookupCombo::typingPicksByTheShownColumn_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing chosen yet") << -1 << "V"
                                        << "Vertical";
    QTest::newRow("nothing chosen, first entry") << -1 << "H"
                                                 << "Horizontal";
    QTest::newRow("after a choice") << 0 << "C"
                                    << "Circular";
}

void TestLookupCombo::typingPicksByTheShownColumn()
{
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    // Column 0 holds keys whose text starts with the same letters as other
    // entries, so a search in the wrong column picks the wrong row.
    QStandardItemModel model(0, 2);
    const char *rows[][2] = {{"Circular-key", "Horizontal"},
                             {"Horizontal-key", "Vertical"},
                             {"Vertical-key", "Circular"}};
    for (const auto &row : rows)
        model.appendRow({new QStandardItem(QString::fromLatin1(row[0])),
                         new QStandardItem(QString::fromLatin1(row[1]))});
    QComboBox box;
    UseShownColumnForTyping(&box);
    box.setModel(&model);
    box.setModelColumn(1);
    box.setCurrentIndex(start);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClicks(&box, typed);
    QCOMPARE(box.currentText(), expected);
}

QTEST_MAIN(TestLookupCombo)
#include "test_lookupcombo.moc"
