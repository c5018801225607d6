#include "lesson/random_source.h"
#include "support/window_checks.h"

#include <QLineEdit>
#include <QPushButton>

using namespace window_checks;

namespace
{

const QColor red(255, 0, 0), blue(0, 0, 255), cyan(0, 255, 255);

void click(QWidget& window, const char* button)
{
    QTest::mouseClick(control<QPushButton>(window, QLatin1String(button)), Qt::LeftButton);
}

// The listing lines 0 to `last`, and those given after it.
QList<int> lines(int last, QList<int> more = {})
{
    QList<int> result;
    for (int k = 0; k <= last; ++k)
        result << k;
    return result + more;
}

bool placed(const QWidget& window, const QString& key, const QRect& expected)
{
    const QWidget* widget = control(window, key);
    return widget && twips(widget) == expected;
}

} // namespace

class SortingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUp(); }

    void everyWindowHasItsCaptionSizeAndPanels_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("frame1");
        QTest::addColumn<QRect>("frame3");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QList<int>>("listing");
        const QRect sortFrame1(120, 120, 6615, 5655), sortFrame3(6840, 1680, 4815, 4215);
        QTest::newRow("swap") << "frmSwap"
                              << "値の交換" << QSize(11730, 6120) << QRect(120, 120, 6615, 4215)
                              << QRect(6840, 1920, 3015, 1215) << "C" << lines(10);
        QTest::newRow("bubble") << "frmSortBuble"
                                << "バブルソート（単純交換法）" << QSize(11730, 7560) << sortFrame1
                                << sortFrame3 << "Data(Length=9)" << lines(10, {13});
        QTest::newRow("insertion") << "frmSortSimpleInsert"
                                   << "単純挿入ソート" << QSize(11730, 7560) << sortFrame1
                                   << sortFrame3 << "Data(Length=9)" << lines(10, {13});
        QTest::newRow("selection") << "frmSortSimpleExchange"
                                   << "単純選択ソート" << QSize(11730, 7560) << sortFrame1
                                   << sortFrame3 << "Data( Length=9)" << lines(14);
        QTest::newRow("shell") << "frmSortShell"
                               << "シェルソート" << QSize(11730, 7560) << sortFrame1 << sortFrame3
                               << "Data( Length=9)" << lines(11, {13});
        QTest::newRow("increments")
            << "frmSortShellExtInc"
            << "シェルソート" << QSize(11730, 4800) << QRect(120, 120, 6615, 2895)
            << QRect(6840, 1920, 4815, 1815) << "N" << lines(5);
        QTest::newRow("improved") << "frmSortShellExt"
                                  << "シェルソート" << QSize(11730, 7200)
                                  << QRect(0, 240, 6615, 5175) << sortFrame3 << "Data( Length=20)"
                                  << lines(12);
        QTest::newRow("quick") << "frmSortQuick"
                               << "クイックソート" << QSize(11730, 7560)
                               << QRect(120, 0, 6615, 5775) << QRect(6840, 1800, 4815, 4455)
                               << "a( Length=20)" << lines(14);
    }

    void everyWindowHasItsCaptionSizeAndPanels()
    {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QRect, frame1);
        QFETCH(QRect, frame3);
        QFETCH(QString, heading);
        QFETCH(QList<int>, listing);
        auto window = open(form.toUtf8().constData());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size() * 15, size);
        QVERIFY(placed(*window, "Frame1", frame1));
        QVERIFY(placed(*window, "Frame3", frame3));
        QCOMPARE(window_checks::caption(*window, "Label4(0)"), heading);
        const bool sorts = form != "frmSwap" && form != "frmSortShellExtInc";
        QCOMPARE(control(*window, "Command5") != nullptr, sorts);
        if (sorts)
            QVERIFY(placed(*window, "Command5", QRect(9600, 240, 1455, 375)));
        QList<int> shown;
        for (int k = 0; k < 20; ++k) {
            if (auto* line = control(*window, QStringLiteral("Label1(%1)").arg(k))) {
                shown << k;
                QCOMPARE(container(line), QStringLiteral("Frame1"));
                QVERIFY(line->geometry().bottom() < control(*window, "Frame1")->height());
            }
        }
        QCOMPARE(shown, listing);
    }

    void swapKeepsItsOwnFrame()
    {
        auto window = open("frmSwap");
        QCOMPARE(caption(*window, "Frame4"), QStringLiteral("swap"));
        QVERIFY(placed(*window, "Frame4", QRect(6840, 3240, 3015, 1455)));
        const char* frames[] = {"Frame3", "Frame3", "Frame4", "Frame4", "Frame4"};
        const int tops[] = {360, 720, 240, 600, 960};
        for (int k = 0; k < 5; ++k) {
            auto* box = control(*window, QStringLiteral("Text1(%1)").arg(k));
            QCOMPARE(container(box), QLatin1String(frames[k]));
            QCOMPARE(twips(box), QRect(1320, tops[k], 1335, 375));
            QCOMPARE(boxText(*window, k), QStringLiteral("0"));
        }
        QCOMPARE(caption(*window, "Label4(3)"), QStringLiteral("B"));
        QVERIFY(at(control(*window, "Label4(3)"), 240, 720));
    }

    void arrayColumnsStandWhereTheLessonsPutThem()
    {
        auto bubble = open("frmSortBuble");
        const int labels[] = {1, 2, 6, 5, 7, 13, 11, 12, 10};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(twips(control(*bubble, QStringLiteral("Text1(%1)").arg(k))),
                     QRect(600, 720 + 360 * k, 1335, 375));
            const QString label = QStringLiteral("Label4(%1)").arg(labels[k]);
            QCOMPARE(caption(*bubble, label), QString::number(k));
            QVERIFY(at(control(*bubble, label), 360, 720 + 360 * k));
        }
        QVERIFY(!control(*bubble, "Label4(4)") && !control(*bubble, "Label4(9)"));
        QVERIFY(at(control(*bubble, "Label4(8)"), 2640, 1320));

        auto improved = open("frmSortShellExt");
        QCOMPARE(twips(control(*improved, "Text1(19)")), QRect(1920, 2880, 735, 285));
        QCOMPARE(twips(control(*improved, "Text1(20)")), QRect(3600, 720, 855, 375));
        auto quick = open("frmSortQuick");
        QCOMPARE(twips(control(*quick, "Text1(19)")), QRect(1800, 3960, 735, 375));
        QCOMPARE(twips(control(*quick, "Text1(24)")), QRect(3720, 2640, 735, 375));
        QCOMPARE(caption(*quick, "Label4(20)"), QStringLiteral("19"));
        QVERIFY(at(control(*quick, "Label4(20)"), 1440, 3960));
        QCOMPARE(boxText(*quick, 20) + boxText(*quick, 21), QStringLiteral("019"));
        QCOMPARE(boxColour(*quick, 0), red);
        QCOMPARE(boxColour(*quick, 19), blue);
    }

    void fillButtonAndMarksShowInTheBoxes()
    {
        random_source::replace([] { return 0.5; });
        QStringList messages;
        auto window = open("frmSortBuble", &messages);
        for (int k = 0; k < 9; ++k)
            QCOMPARE(boxText(*window, k), QStringLiteral("50"));
        random_source::replace([] { return 0.1; });
        click(*window, "Command5");
        QCOMPARE(boxText(*window, 0), QStringLiteral("10"));
        QCOMPARE(boxText(*window, 9), QStringLiteral("0"));
        for (int k = 0; k < 3; ++k)
            click(*window, "Command1");
        QCOMPARE(lineColour(*window, 5), QColor(255, 255, 0));
        QCOMPARE(boxColour(*window, 0), red);
        QCOMPARE(boxColour(*window, 8), blue);
        QCOMPARE(boxColour(*window, 7), cyan);
        QCOMPARE(boxColour(*window, 9), QApplication::palette().color(QPalette::Base));
        window->Label1_Click(13);
        QCOMPARE(messages, QStringList{QString()});
        random_source::replace({});
    }
};

QTEST_MAIN(SortingWindowsTest)
#include "test_sorting_windows.moc"
