#include "support/window_checks.h"

#include <QTest>

using namespace window_checks;

namespace
{

const QColor yellow(255, 255, 0);

// A control of the variables panel where the lesson places it (twips inside Frame3) and
// what it shows (a caption, or a box's initial text).
struct Placed {
    QString key;
    int left;
    int top;
    QString shown;
};

void checkPlaced(const QWidget& window, const std::vector<Placed>& controls)
{
    for (const Placed& p : controls) {
        const QWidget* widget = control(window, p.key);
        QVERIFY2(widget, qPrintable(p.key));
        QVERIFY2(at(widget, p.left, p.top), qPrintable(p.key));
        QCOMPARE(container(widget), QStringLiteral("Frame3"));
        if (p.key.startsWith(QLatin1String("Text1")))
            QCOMPARE(boxText(window, p.key.mid(6).chopped(1).toInt()), p.shown);
        else
            QCOMPARE(caption(window, p.key), p.shown);
    }
}

void checkCommon(const QWidget& window, const QString& title, int height)
{
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.size(), QSize(782, height / 15));
    QCOMPARE(listing(window).size(), 14);
    QCOMPARE(caption(window, "Frame3"), QStringLiteral("値"));
    QVERIFY(childrenInside(&window));
    QVERIFY(childrenInside(control(window, "Frame1")));
    QVERIFY(childrenInside(control(window, "Frame3")));
    // The reference arrangement: buttons and condition at the top right, auto-run below
    // the variables panel, the note below the source panel.
    QVERIFY(at(control(window, "Frame3"), 6840, 1680));
    QVERIFY(control(window, "Command3")->y() > control(window, "Frame3")->geometry().bottom());
    QVERIFY(control(window, "Label2")->y() > control(window, "Frame1")->geometry().bottom());
}

} // namespace

class SearchWindowsTest : public QObject
{
    Q_OBJECT

private:
    QStringList messages_;

private slots:
    void initTestCase() { setUp(); }
    void init() { messages_.clear(); }

    void forSearchWindow()
    {
        auto window = open("frmForSearch", &messages_);
        checkCommon(*window, QStringLiteral("For文による配列探索"), 7200);
        QCOMPARE(listing(*window).last(), QString());
        checkPlaced(*window, {
                                 {"Label4(0)", 600, 360, "a( a.Length=5)"},
                                 {"Label4(1)", 360, 720, "0"},
                                 {"Label4(2)", 360, 1200, "1"},
                                 {"Label4(6)", 360, 1680, "2"},
                                 {"Label4(5)", 360, 2160, "3"},
                                 {"Label4(7)", 360, 2640, "4"},
                                 {"Label4(3)", 2160, 840, "data"},
                                 {"Label4(4)", 2160, 2400, "関数値"},
                                 {"Label4(8)", 2160, 1320, "i"},
                                 {"Label4(9)", 2160, 1800, "ID"},
                                 {"Text1(0)", 600, 720, "13"},
                                 {"Text1(1)", 600, 1200, "35"},
                                 {"Text1(2)", 600, 1680, "22"},
                                 {"Text1(3)", 600, 2160, "44"},
                                 {"Text1(4)", 600, 2640, "12"},
                                 {"Text1(5)", 3120, 840, "0"},
                                 {"Text1(6)", 3120, 2400, "0"},
                                 {"Text1(7)", 3120, 1320, "0"},
                                 {"Text1(8)", 3120, 1800, "0"},
                             });
        for (int k = 0; k <= 8; ++k)
            QCOMPARE(twips(control(*window, QStringLiteral("Text1(%1)").arg(k))).size(),
                     QSize(1335, 375));
        typeInto(*window, 5, QStringLiteral("44"));
        pressStep(*window, 13); // line 7: a[3] found
        QCOMPARE(lineColour(*window, 7), yellow);
        QCOMPARE(boxColour(*window, 3), yellow);
        QVERIFY(messages_.isEmpty());
    }

    void guardSearchWindow()
    {
        auto window = open("frmGuardSearch", &messages_);
        checkCommon(*window, QStringLiteral("番兵付き配列探索"), 7200);
        checkPlaced(*window, {
                                 {"Label4(0)", 600, 360, "a( a.Length=6：最後は番兵)"},
                                 {"Label4(1)", 600, 720, "0"},
                                 {"Label4(2)", 600, 1200, "1"},
                                 {"Label4(6)", 600, 1680, "2"},
                                 {"Label4(5)", 600, 2160, "3"},
                                 {"Label4(7)", 600, 2640, "4"},
                                 {"Label4(9)", 120, 3240, "番兵"},
                                 {"Label4(3)", 2400, 840, "data"},
                                 {"Label4(8)", 2400, 1320, "i"},
                                 {"Label4(4)", 2400, 2400, "関数値"},
                                 {"Text1(0)", 840, 720, "13"},
                                 {"Text1(1)", 840, 1200, "35"},
                                 {"Text1(2)", 840, 1680, "22"},
                                 {"Text1(3)", 840, 2160, "44"},
                                 {"Text1(4)", 840, 2640, "12"},
                                 {"Text1(5)", 840, 3120, "0"},
                                 {"Text1(6)", 3360, 840, "0"},
                                 {"Text1(7)", 3360, 2400, "0"},
                                 {"Text1(8)", 3360, 1320, "0"},
                             });
        for (int k = 0; k <= 8; ++k)
            QCOMPARE(twips(control(*window, QStringLiteral("Text1(%1)").arg(k))).size(),
                     QSize(1335, 375));
        typeInto(*window, 6, QStringLiteral("22"));
        pressStep(*window, 4); // line 5 with i = 0, the sentinel holding data
        QCOMPARE(boxText(*window, 5), QStringLiteral("22"));
        QCOMPARE(lineColour(*window, 5), yellow);
        QCOMPARE(boxColour(*window, 0), yellow);
    }

    void binarySearchWindow()
    {
        auto window = open("frmBinarySearch", &messages_);
        checkCommon(*window, QStringLiteral("2分探索"), 7440);
        QCOMPARE(listing(*window)[8], QStringLiteral("         if (a[p]==data)return p; "));
        QCOMPARE(listing(*window)[9],
                 QStringLiteral("         else if(a[p]<data) p1 = p + 1;                 "));
        QCOMPARE(listing(*window)[10], QStringLiteral("        else                  p2 = p - 1;"));
        const QStringList values = {"13", "22", "24", "34", "38", "44", "57", "63", "68", "84"};
        std::vector<Placed> placed = {
            {"Text1(10)", 3240, 720, "24"}, {"Text1(11)", 3240, 2880, "0"},
            {"Text1(12)", 3240, 1200, "0"}, {"Text1(13)", 3240, 1680, "0"},
            {"Text1(14)", 3240, 2160, "0"}, {"Label4(0)", 600, 360, "a( a.Length=10)"},
        };
        for (int k = 0; k < 10; ++k)
            placed.push_back({QStringLiteral("Text1(%1)").arg(k), 840, 720 + 360 * k, values[k]});
        checkPlaced(*window, placed);
        const QStringList scalars = {"data", "関数値", "p", "p1", "p2"};
        const int labelLefts[] = {2400, 2400, 2640, 2640, 2640};
        for (int box = 0; box < 15; ++box) {
            // the caption of each box stands on its row; which Label4 holds it is free
            const QWidget* b = control(*window, QStringLiteral("Text1(%1)").arg(box));
            QCOMPARE(twips(b).size(), QSize(box < 10 ? 1335 : 1215, 375));
            const QString expected = box < 10 ? QString::number(box) : scalars[box - 10];
            const int left = box < 10 ? 600 : labelLefts[box - 10];
            int found = 0;
            for (auto* l : control(*window, "Frame3")->findChildren<QLabel*>())
                found += l->text() == expected && at(l, left, twips(b).y());
            QVERIFY2(found == 1, qPrintable(expected));
        }
        pressStep(*window, 4); // line 5 before the first probe
        QCOMPARE(caption(*window, "Label3"), QStringLiteral("　p1 <= p2 : True"));
        QCOMPARE(boxColour(*window, 0), QColor(255, 0, 0));
        QCOMPARE(boxColour(*window, 9), QColor(0, 0, 255));
        pressStep(*window, 2); // line 8 with p = 4
        QCOMPARE(boxColour(*window, 4), yellow);
        QCOMPARE(boxColour(*window, 0), QColor(255, 0, 0));
        typeInto(*window, 12, QStringLiteral("11"));
        pressStep(*window);
        QCOMPARE(messages_, QStringList{QStringLiteral("a[11] は配列の範囲 (0～10) の外です。")});
        QCOMPARE(lineColour(*window, 8), yellow);
    }
};

QTEST_MAIN(SearchWindowsTest)
#include "test_search_windows.moc"
