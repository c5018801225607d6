#include "support/window_checks.h"

#include <QTest>

using namespace window_checks;

namespace
{

const QColor yellow(255, 255, 0);

QColor windowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

// The yellow boxes among Text1(0) ... Text1(count - 1).
QList<int> yellowBoxes(const QWidget& window, int count)
{
    QList<int> boxes;
    for (int k = 0; k < count; ++k) {
        if (boxColour(window, k) == yellow)
            boxes << k;
    }
    return boxes;
}

} // namespace

class MaximumWindowsTest : public QObject
{
    Q_OBJECT

private:
    QStringList messages_;

private slots:
    void initTestCase() { setUp(); }
    void init() { messages_.clear(); }

    void arrayMaximumWindows_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("lines");
        QTest::newRow("for") << "frmForMax"
                             << "For文による配列のMax" << 9;
        QTest::newRow("while") << "frmWhileMax"
                               << "While文による配列のMax" << 11;
    }

    // The panel is that of the array total lesson, with max in place of total.
    void arrayMaximumWindows()
    {
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(int, lines);
        auto window = open(form.toUtf8().constData(), &messages_);
        auto total = open("frmTotal");
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), QSize(782, 408)); // 11730 x 6120 twips
        QCOMPARE(listing(*window).size(), lines);
        QCOMPARE(caption(*window, "Frame1"), QStringLiteral("ソースプログラム"));
        QCOMPARE(caption(*window, "Frame2"), QStringLiteral("条件"));
        QCOMPARE(caption(*window, "Frame3"), QStringLiteral("値"));
        QVERIFY(childrenInside(window.get()));
        QVERIFY(childrenInside(control(*window, "Frame1")));
        QVERIFY(childrenInside(control(*window, "Frame3")));

        const QStringList captions = {
            "a( a.Length=5)", "0", "1", "max", "関数値", "3", "2", "4", "i"};
        for (int k = 0; k < captions.size(); ++k) {
            const QString key = QStringLiteral("Label4(%1)").arg(k);
            QCOMPARE(caption(*window, key), captions[k]);
            QCOMPARE(control(*window, key)->geometry(), control(*total, key)->geometry());
            QCOMPARE(container(control(*window, key)), QStringLiteral("Frame3"));
        }
        const QStringList texts = {"13", "35", "22", "44", "12", "0", "0", "0"};
        for (int k = 0; k < texts.size(); ++k) {
            const QString key = QStringLiteral("Text1(%1)").arg(k);
            QCOMPARE(boxText(*window, k), texts[k]);
            QCOMPARE(control(*window, key)->geometry(), control(*total, key)->geometry());
            QCOMPARE(container(control(*window, key)), QStringLiteral("Frame3"));
        }
        QVERIFY(at(control(*window, "Label4(0)"), 600, 360));
        const int indexLabels[] = {1, 2, 6, 5, 7};
        for (int k = 0; k < 5; ++k) {
            QVERIFY(at(control(*window, QStringLiteral("Text1(%1)").arg(k)), 600, 720 + 480 * k));
            QVERIFY(captionBeside(*window, QStringLiteral("Label4(%1)").arg(indexLabels[k]),
                                  QStringLiteral("Text1(%1)").arg(k)));
        }
        // max, i, function value from top to bottom in the second column
        QVERIFY(captionBeside(*window, "Label4(3)", "Text1(5)"));
        QVERIFY(captionBeside(*window, "Label4(8)", "Text1(7)"));
        QVERIFY(captionBeside(*window, "Label4(4)", "Text1(6)"));
        QVERIFY(control(*window, "Text1(5)")->y() < control(*window, "Text1(7)")->y());
        QVERIFY(control(*window, "Text1(7)")->y() < control(*window, "Text1(6)")->y());
        QVERIFY(control(*window, "Text1(5)")->x() > control(*window, "Text1(0)")->x());
    }

    void forMaxMarksTheFirstElementThenTheComparedOne()
    {
        auto window = open("frmForMax", &messages_);
        pressStep(*window);
        QCOMPARE(lineColour(*window, 2), yellow);
        QCOMPARE(yellowBoxes(*window, 8), QList<int>{0});
        pressStep(*window, 2); // line 5 with i = 1
        QCOMPARE(caption(*window, "Label3"), QStringLiteral("  max < a[i] : True"));
        QCOMPARE(yellowBoxes(*window, 8), QList<int>{1});
        pressStep(*window); // line 6
        QCOMPARE(yellowBoxes(*window, 8), QList<int>{});
        QCOMPARE(boxColour(*window, 1), windowColour());
        QCOMPARE(boxText(*window, 5), QStringLiteral("35"));
        pressStep(*window, 13);
        QCOMPARE(lineColour(*window, 0), yellow);
        QCOMPARE(boxText(*window, 6), QStringLiteral("44"));
        QVERIFY(messages_.isEmpty());
    }

    void whileMaxKeepsTheMarkOnTheCounterLine()
    {
        auto window = open("frmWhileMax", &messages_);
        pressStep(*window, 2); // line 3
        QCOMPARE(yellowBoxes(*window, 8), QList<int>{0});
        pressStep(*window, 3); // line 7, i = 1
        QCOMPARE(lineColour(*window, 7), yellow);
        QCOMPARE(yellowBoxes(*window, 8), QList<int>{1});
        pressStep(*window); // line 4
        QCOMPARE(caption(*window, "Label3"), QStringLiteral("  i < a.Length : True"));
        QCOMPARE(yellowBoxes(*window, 8), QList<int>{});
        typeInto(*window, 7, "7");
        pressStep(*window); // leaves the loop: no array access
        QCOMPARE(lineColour(*window, 9), yellow);
        QVERIFY(messages_.isEmpty());
    }

    void threeValueWindowAndItsStrictReading()
    {
        auto window = open("frm3ValueMax", &messages_);
        QCOMPARE(window->windowTitle(), QStringLiteral("3値の最大値"));
        QCOMPARE(window->size(), QSize(782, 408));
        QCOMPARE(listing(*window).size(), 7);
        QCOMPARE(caption(*window, "Frame3"), QStringLiteral("値"));
        QVERIFY(childrenInside(control(*window, "Frame3")));
        const QStringList captions = {"a", "b", "c", "max", "関数値"};
        const QStringList texts = {"13", "35", "22", "0", "0"};
        for (int k = 0; k < 5; ++k) {
            const QString box = QStringLiteral("Text1(%1)").arg(k);
            QCOMPARE(caption(*window, QStringLiteral("Label4(%1)").arg(k)), captions[k]);
            QVERIFY(captionBeside(*window, QStringLiteral("Label4(%1)").arg(k), box));
            QCOMPARE(boxText(*window, k), texts[k]);
            QCOMPARE(container(control(*window, box)), QStringLiteral("Frame3"));
            if (k > 0)
                QVERIFY(control(*window, box)->y() >
                        control(*window, QStringLiteral("Text1(%1)").arg(k - 1))->y());
        }
        pressStep(*window, 2);
        QCOMPARE(caption(*window, "Label3"), QStringLiteral("  max < b : True"));
        typeInto(*window, 3, "");
        pressStep(*window);
        QCOMPARE(messages_, QStringList{QStringLiteral(
                                "max の値が空です。-32768～32767 の数値を入力してください。")});
        QCOMPARE(lineColour(*window, 3), yellow);
        QCOMPARE(boxText(*window, 3), QString());
        typeInto(*window, 3, "0");
        pressStep(*window);
        QCOMPARE(lineColour(*window, 4), yellow);
        QCOMPARE(boxText(*window, 3), QStringLiteral("35"));
        QCOMPARE(yellowBoxes(*window, 5), QList<int>{});
    }
};

QTEST_MAIN(MaximumWindowsTest)
#include "test_maximum_windows.moc"
