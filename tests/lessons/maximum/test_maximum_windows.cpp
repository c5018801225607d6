#include "support/window_checks.h"

#include <QTest>

using namespace window_checks;

namespace
{

const QColor yellow(255, 255, 0);

QString key(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
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
        QTest::addColumn<int>("toMark"); // steps to the first line marking a[1]
        QTest::newRow("for") << "frmForMax"
                             << "For文による配列のMax" << 9 << 3;
        QTest::newRow("while") << "frmWhileMax"
                               << "While文による配列のMax" << 11 << 5;
    }

    // The panel is that of the array total lesson, with max in place of total.
    void arrayMaximumWindows()
    {
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(int, lines);
        QFETCH(int, toMark);
        auto window = open(form.toUtf8().constData(), &messages_);
        auto total = open("frmTotal");
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), QSize(782, 408)); // 11730 x 6120 twips
        QCOMPARE(listing(*window).size(), lines);
        QCOMPARE(caption(*window, "Frame3"), QStringLiteral("値"));
        QVERIFY(childrenInside(window.get()));
        QVERIFY(childrenInside(control(*window, "Frame1")));
        QVERIFY(childrenInside(control(*window, "Frame3")));
        const QStringList captions = {
            "a( a.Length=5)", "0", "1", "max", "関数値", "3", "2", "4", "i"};
        for (int k = 0; k < captions.size(); ++k) {
            QCOMPARE(caption(*window, key("Label4", k)), captions[k]);
            QCOMPARE(control(*window, key("Label4", k))->geometry(),
                     control(*total, key("Label4", k))->geometry());
        }
        const QStringList texts = {"13", "35", "22", "44", "12", "0", "0", "0"};
        for (int k = 0; k < texts.size(); ++k) {
            QCOMPARE(boxText(*window, k), texts[k]);
            QCOMPARE(control(*window, key("Text1", k))->geometry(),
                     control(*total, key("Text1", k))->geometry());
        }
        // max, i and the function value top to bottom beside the array column
        QVERIFY(captionBeside(*window, "Label4(3)", "Text1(5)"));
        QVERIFY(captionBeside(*window, "Label4(8)", "Text1(7)"));
        QVERIFY(captionBeside(*window, "Label4(4)", "Text1(6)"));
        QVERIFY(control(*window, "Text1(5)")->y() < control(*window, "Text1(7)")->y());
        QVERIFY(control(*window, "Text1(7)")->y() < control(*window, "Text1(6)")->y());

        pressStep(*window);
        QCOMPARE(boxColour(*window, 0), yellow); // line 2 marks a[0]
        pressStep(*window, toMark - 1);
        QCOMPARE(boxColour(*window, 1), yellow);
        QCOMPARE(boxColour(*window, 0), QApplication::palette().color(QPalette::Base));
        QVERIFY(messages_.isEmpty());
    }

    void threeValueWindow()
    {
        auto window = open("frm3ValueMax", &messages_);
        QCOMPARE(window->windowTitle(), QStringLiteral("3値の最大値"));
        QCOMPARE(window->size(), QSize(782, 408));
        QCOMPARE(listing(*window).size(), 7);
        QVERIFY(childrenInside(control(*window, "Frame3")));
        const QStringList captions = {"a", "b", "c", "max", "関数値"};
        const QStringList texts = {"13", "35", "22", "0", "0"};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(caption(*window, key("Label4", k)), captions[k]);
            QVERIFY(captionBeside(*window, key("Label4", k), key("Text1", k)));
            QCOMPARE(boxText(*window, k), texts[k]);
            if (k > 0)
                QVERIFY(control(*window, key("Text1", k))->y() >
                        control(*window, key("Text1", k - 1))->y());
        }
    }
};

QTEST_MAIN(MaximumWindowsTest)
#include "test_maximum_windows.moc"
