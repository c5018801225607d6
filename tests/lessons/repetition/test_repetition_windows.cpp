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

// Boxes, top to bottom, each with its caption beside it.
void checkColumn(const QWidget& window, const QList<int>& boxes, const QList<int>& labels,
                 const QStringList& captions, const QStringList& texts)
{
    for (int k = 0; k < boxes.size(); ++k) {
        QCOMPARE(caption(window, key("Label4", labels[k])), captions[k]);
        QVERIFY(captionBeside(window, key("Label4", labels[k]), key("Text1", boxes[k])));
        QCOMPARE(boxText(window, boxes[k]), texts[k]);
        QCOMPARE(container(control(window, key("Text1", boxes[k]))), QStringLiteral("Frame3"));
        if (k > 0) {
            QVERIFY(control(window, key("Text1", boxes[k]))->y() >
                    control(window, key("Text1", boxes[k - 1]))->geometry().bottom());
        }
    }
}

} // namespace

class RepetitionWindowsTest : public QObject
{
    Q_OBJECT

private:
    QStringList messages_;

private slots:
    void initTestCase() { setUp(); }
    void init() { messages_.clear(); }

    void counterWindows_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("n");
        QTest::addColumn<int>("testLine");
        QTest::addColumn<QString>("condition");
        QTest::newRow("for") << "frmForSum"
                             << "整数の和"
                             << "sum"
                             << "10" << 3 << "  i <= N : True";
        QTest::newRow("while") << "frmWhileSum"
                               << "While文による配列の合計"
                               << "sum"
                               << "10" << 4 << "  i <= N : True";
        QTest::newRow("digits") << "frmKetaSum"
                                << "桁数のカウント"
                                << "NN"
                                << "12345" << 4 << "  NN>=10 : True";
    }

    void counterWindows()
    {
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(QString, running);
        QFETCH(QString, n);
        QFETCH(int, testLine);
        QFETCH(QString, condition);
        auto window = open(form.toUtf8().constData(), &messages_);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), QSize(782, 408));
        QCOMPARE(listing(*window).size(), 11);
        QCOMPARE(caption(*window, "Frame3"), QStringLiteral("値"));
        QVERIFY(childrenInside(window.get()));
        QVERIFY(childrenInside(control(*window, "Frame3")));
        checkColumn(*window, {0, 2, 3, 1}, {0, 8, 3, 4}, {"N", "i", running, "関数値"},
                    {n, "0", "0", "0"});
        const int steps = testLine == 3 ? 2 : 3;
        pressStep(*window, steps);
        QCOMPARE(lineColour(*window, testLine), yellow);
        QCOMPARE(caption(*window, "Label3"), condition);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(boxColour(*window, k), QApplication::palette().color(QPalette::Base));
    }

    void nestedLoopWindowShowsTheTriangleInMultiLineBoxes()
    {
        auto window = open("frmMultiLoop", &messages_);
        QCOMPARE(window->windowTitle(), QStringLiteral("多重ループ"));
        QCOMPARE(window->size(), QSize(782, 456)); // 11730 x 6840 twips
        QCOMPARE(listing(*window).size(), 13);
        QCOMPARE(listing(*window)[3], QStringLiteral("     string CRLF = \"\\r\\n\";"));
        QCOMPARE(listing(*window)[4], QStringLiteral("     string S = \"\" ;"));
        QVERIFY(childrenInside(window.get()));
        QVERIFY(childrenInside(control(*window, "Frame1")));
        QVERIFY(childrenInside(control(*window, "Frame3")));
        checkColumn(*window, {0, 1, 2, 3}, {1, 2, 6, 5}, {"N", "i", "j", "CRLF"},
                    {"5", "0", "0", ""});
        checkColumn(*window, {4, 5}, {3, 4}, {"S", "関数値"}, {"", ""});
        QVERIFY(control<QLineEdit>(*window, "Text1(3)"));
        for (const char* name : {"Text1(4)", "Text1(5)"}) {
            auto* multi = control<QPlainTextEdit>(*window, name);
            QVERIFY(multi);
            QCOMPARE(multi->font().pointSizeF(), 9.75);
            QVERIFY(multi->font().bold());
            QVERIFY(multi->x() > control(*window, "Text1(0)")->geometry().right());
            QVERIFY(multi->height() > 3 * control(*window, "Text1(0)")->height());
        }
        QCOMPARE(control(*window, "Text1(0)")->font().pointSizeF(), 12.0);
        pressStep(*window, 56);
        QCOMPARE(lineColour(*window, 12), yellow);
        QCOMPARE(boxText(*window, 5), QStringLiteral("*\n**\n***\n****\n*****\n"));
        QCOMPARE(boxText(*window, 3), QStringLiteral("\"\\r\\n\""));
        pressStep(*window, 5); // line 5 of the next pass, S empty
        control<QPlainTextEdit>(*window, "Text1(4)")->setPlainText(QStringLiteral("ab\ncd"));
        pressStep(*window, 3);
        QCOMPARE(boxText(*window, 4), QStringLiteral("ab\ncd*"));
    }
};

QTEST_MAIN(RepetitionWindowsTest)
#include "test_repetition_windows.moc"
