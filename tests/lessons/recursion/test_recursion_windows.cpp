#include "lesson/picture_box.h"
#include "support/window_checks.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace window_checks;

namespace
{

QStringList listItems(const QWidget& window)
{
    QStringList items;
    const auto* list = control<QListWidget>(window, QStringLiteral("List1"));
    for (int k = 0; list && k < list->count(); ++k)
        items << list->item(k)->text();
    return items;
}

// The colour Picture1 shows at the user coordinates (x, y) of the Hanoi board with n disks:
// x from 0 to 4, y from n + 2 at the top to -0.1 at the bottom.
QColor boardColour(const QWidget& window, int n, double x, double y)
{
    auto* picture = control<PictureBox>(window, QStringLiteral("Picture1"));
    const QImage image = picture->grab().toImage();
    const QRect area = picture->contentsRect();
    const double top = n + 2;
    const double bottom = -0.1;
    const int px = area.left() + static_cast<int>(x / 4 * area.width());
    const int py = area.top() + static_cast<int>((y - top) / (bottom - top) * area.height());
    return image.pixelColor(px * image.width() / picture->width(),
                            py * image.height() / picture->height());
}

// The disk colours on peg `peg`, bottom up, sampled at the disks' middle.
QList<QColor> pegColours(const QWidget& window, int n, int peg)
{
    QList<QColor> colours;
    for (int j = 1; j <= n; ++j)
        colours << boardColour(window, n, peg + 0.1, j - 0.5);
    return colours;
}

const QColor red(255, 0, 0), yellow(255, 255, 0), green(0, 255, 0), blue(0, 0, 255);

} // namespace

class RecursionWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUp(); }

    void factorialWindowsKeepTheReferenceLayout()
    {
        const struct {
            const char* form;
            const char* title;
            QStringList captions;
            QList<QPoint> boxes; // twips inside Frame3
        } lessons[] = {
            {"frmFact",
             "再帰による階乗",
             {"n", "関数値", "呼び出しレベル"},
             {{1320, 360}, {1320, 720}, {2040, 1320}}},
            {"frmFactLoop",
             "繰返しによる階乗",
             {"n", "関数値", "i", "r"},
             {{1320, 360}, {1320, 720}, {1320, 1320}, {1320, 1800}}},
            {"frmGCD",
             "再帰によるユークリッドの互除法",
             {"A", "B", "関数値", "呼び出しレベル"},
             {{1320, 360}, {1320, 720}, {1320, 1320}, {2040, 1800}}},
        };
        for (const auto& lesson : lessons) {
            auto window = open(lesson.form);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(lesson.title));
            QCOMPARE(window->size(), QSize(782, 408));
            QCOMPARE(caption(*window, QStringLiteral("Frame3")), QStringLiteral("値"));
            for (int k = 0; k < lesson.boxes.size(); ++k) {
                const QWidget* box = control(*window, QStringLiteral("Text1(%1)").arg(k));
                QVERIFY(at(box, lesson.boxes[k].x(), lesson.boxes[k].y()));
                QCOMPARE(container(box), QStringLiteral("Frame3"));
            }
            QStringList shown;
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (label->objectName().startsWith(QStringLiteral("Label4(")))
                    shown << label->text();
            }
            for (const QString& expected : lesson.captions)
                QVERIFY2(shown.contains(expected), qPrintable(expected));
        }
        auto fact = open("frmFact");
        QVERIFY(at(control(*fact, QStringLiteral("Label4(1)")), 120, 1380));
        QCOMPARE(twips(control(*fact, QStringLiteral("Text1(2)"))).width(), 615);
    }

    void factorialRunShowsItsLevelsAndTheFinalMessage()
    {
        QStringList messages;
        auto window = open("frmFact", &messages);
        QCOMPARE(boxText(*window, 2), QString());
        for (int k = 0; k < 9; ++k)
            window->Command1_Click();
        QCOMPARE(boxText(*window, 2), QStringLiteral("3"));
        QCOMPARE(boxText(*window, 0), QStringLiteral("2"));
        for (int k = 0; k < 14; ++k)
            window->Command1_Click();
        QCOMPARE(messages, QStringList{QStringLiteral("関数実行終わり 関数値=120")});
        QCOMPARE(boxText(*window, 1), QStringLiteral("120"));
        QCOMPARE(boxText(*window, 2), QStringLiteral("0"));
        QCOMPARE(lineColour(*window, 0), yellow);
    }

    void euclidRefusesADivisionByZero()
    {
        QStringList messages;
        auto window = open("frmGCD", &messages);
        auto* b = control<QLineEdit>(*window, QStringLiteral("Text1(1)"));
        b->selectAll();
        QTest::keyClicks(b, QStringLiteral("4"));
        window->Command1_Click();
        window->Command1_Click();
        b->selectAll();
        QTest::keyClicks(b, QStringLiteral("0"));
        window->Command1_Click();
        QCOMPARE(messages,
                 QStringList{QStringLiteral("A % B は 0 で割ることになるため計算できません。")});
        QCOMPARE(lineColour(*window, 3), yellow);
        QCOMPARE(boxText(*window, 3), QString());
    }

    void hanoiLayout()
    {
        auto window = open("frmHanoi");
        QCOMPARE(window->windowTitle(), QStringLiteral("ハノイの搭"));
        QCOMPARE(window->size(), QSize(683, 559)); // 10245 x 8385 twips
        QCOMPARE(twips(control(*window, QStringLiteral("Frame1"))), QRect(120, 120, 6615, 4455));
        QCOMPARE(twips(control(*window, QStringLiteral("Label2"))), QRect(120, 4680, 6615, 1815));
        QCOMPARE(twips(control(*window, QStringLiteral("Frame3"))), QRect(6840, 1680, 3255, 2295));
        QCOMPARE(caption(*window, QStringLiteral("Frame3")), QStringLiteral("Hanoi"));
        QCOMPARE(twips(control(*window, QStringLiteral("Frame4"))), QRect(6840, 4080, 3255, 1095));
        QCOMPARE(caption(*window, QStringLiteral("Frame4")), QStringLiteral("MoveTo"));
        QCOMPARE(twips(control(*window, QStringLiteral("List1"))), QRect(6840, 6240, 3255, 2040));
        QCOMPARE(twips(control(*window, QStringLiteral("Picture1"))), QRect(120, 6600, 6615, 1695));
        auto* s = control<QPlainTextEdit>(*window, QStringLiteral("Text1(4)"));
        QCOMPARE(container(s), QStringLiteral("Frame4"));
        QCOMPARE(twips(s), QRect(360, 240, 2775, 615));
        QCOMPARE(s->font().pointSizeF(), 9.75);
        QCOMPARE(caption(*window, QStringLiteral("Label4(3)")), QStringLiteral("S"));
        QCOMPARE(container(control(*window, QStringLiteral("Label4(3)"))),
                 QStringLiteral("Frame4"));
        const QWidget* frame1 = control(*window, QStringLiteral("Frame1"));
        for (int line = 0; line < 17; ++line) {
            const QWidget* label = control(*window, QStringLiteral("Label1(%1)").arg(line));
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QVERIFY(label->geometry().bottom() < frame1->height());
        }
        QCOMPARE(caption(*window, QStringLiteral("Label1(12)")),
                 QStringLiteral("     string S=\"第\"+ n.ToString() + \"盤を\""));
        QCOMPARE(boxText(*window, 3), QStringLiteral("0"));
        QVERIFY(listItems(*window).isEmpty());
    }

    void hanoiPictureShowsTheDisksWhereTheBoardHasThem()
    {
        auto window = open("frmHanoi");
        QCOMPARE(pegColours(*window, 3, 1), (QList<QColor>{red, yellow, green}));
        QCOMPARE(boardColour(*window, 3, 1, 3.5), QColor(Qt::black));     // the peg above the disks
        QCOMPARE(boardColour(*window, 3, 2, 0.5), QColor(Qt::black));     // peg 2, empty
        QCOMPARE(boardColour(*window, 3, 0.3, -0.05), QColor(Qt::black)); // the base strip
        QVERIFY(boardColour(*window, 3, 2.5, 0.5) != QColor(Qt::black));  // between the pegs
        for (int k = 0; k < 20; ++k)
            window->Command1_Click();
        QCOMPARE(pegColours(*window, 3, 1).first(), red);
        QCOMPARE(pegColours(*window, 3, 2).first(), yellow);
        QCOMPARE(pegColours(*window, 3, 3).first(), green);
        QCOMPARE(listItems(*window), (QStringList{QStringLiteral("第1盤を1軸から3軸に移動"),
                                                  QStringLiteral("第2盤を1軸から2軸に移動")}));
        for (int k = 20; k < 65; ++k)
            window->Command1_Click();
        QCOMPARE(pegColours(*window, 3, 3), (QList<QColor>{red, yellow, green}));
        const QColor background = boardColour(*window, 3, 0.3, 4.5);
        QCOMPARE(boardColour(*window, 3, 1.1, 0.5), background);
        QCOMPARE(listItems(*window).size(), 7);
        QCOMPARE(listItems(*window).last(), QStringLiteral("第1盤を1軸から3軸に移動"));

        // Four disks after "先頭に戻る": blue at the bottom, narrower proportions.
        auto* n = control<QLineEdit>(*window, QStringLiteral("Text1(0)"));
        n->selectAll();
        QTest::keyClicks(n, QStringLiteral("4"));
        window->Command2_Click();
        QCOMPARE(pegColours(*window, 4, 1), (QList<QColor>{blue, red, yellow, green}));
        QVERIFY(listItems(*window).isEmpty());
        QCOMPARE(boardColour(*window, 4, 1.2, 3.5), background); // disk 1 is 0.245 wide
    }

    void eightQueensLayout()
    {
        auto window = open("frm8Queen");
        QCOMPARE(window->windowTitle(), QStringLiteral("８王妃問題"));
        QCOMPARE(window->size(), QSize(719, 497)); // 10785 x 7455 twips
        QCOMPARE(twips(control(*window, QStringLiteral("Frame1"))), QRect(120, 120, 6375, 5175));
        QCOMPARE(twips(control(*window, QStringLiteral("Label2"))), QRect(120, 5400, 6375, 1695));
        QCOMPARE(twips(control(*window, QStringLiteral("Frame3"))), QRect(6720, 2520, 1695, 2295));
        QCOMPARE(caption(*window, QStringLiteral("Frame3")), QStringLiteral("Queen"));
        QCOMPARE(twips(control(*window, QStringLiteral("Frame5"))), QRect(7320, 1680, 3375, 735));
        QCOMPARE(twips(control(*window, QStringLiteral("Label6"))), QRect(6720, 5040, 1575, 1695));
        const QWidget* frame1 = control(*window, QStringLiteral("Frame1"));
        for (int line = 0; line < 17; ++line) {
            const QWidget* label = control(*window, QStringLiteral("Label1(%1)").arg(line));
            const bool two = line == 4 || line == 10 || line == 12;
            QCOMPARE(twips(label).height(), two ? 495 : 255);
            QCOMPARE(label->font().pointSizeF(), 9.75);
            QVERIFY(label->geometry().bottom() < frame1->height());
        }
        QCOMPARE(caption(*window, QStringLiteral("Label1(4)")),
                 QStringLiteral("   if(!行配置済み[j] && !対角配置済みA[i+j] &&\n"
                                "      !対角配置済みB[i-j+7]) "));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(control(*window, QStringLiteral("Label4(%1)").arg(k))->font().pointSizeF(),
                     9.75);
            QVERIFY(at(control(*window, QStringLiteral("Text1(%1)").arg(k)), 960,
                       QList<int>{360, 720, 1320, 1800}[k]));
        }
        for (int k = 0; k < 8; ++k) {
            const QWidget* box = control(*window, QStringLiteral("Text2(%1)").arg(k));
            QCOMPARE(container(box), QStringLiteral("Frame5"));
            QVERIFY(at(box, 240 + 360 * k, 240));
            QVERIFY(std::abs(twips(box).width() - 400) < 15);
        }
        const struct {
            const char* checks;
            const char* frame;
            const char* caption;
            QRect rect;
            int count;
        } rows[] = {{"Check1", "Frame4(1)", "行配置済み", {8520, 2520, 2175, 735}, 8},
                    {"Check2", "Frame4(0)", "対角配置済みA", {8520, 3360, 2175, 1215}, 15},
                    {"Check3", "Frame4(2)", "対角配置済みB", {8520, 4680, 2175, 1215}, 15}};
        for (const auto& row : rows) {
            QCOMPARE(twips(control(*window, QLatin1String(row.frame))), row.rect);
            QCOMPARE(caption(*window, QLatin1String(row.frame)), QString::fromUtf8(row.caption));
            for (int k = 0; k < row.count; ++k) {
                auto* check = control<QCheckBox>(
                    *window, QStringLiteral("%1(%2)").arg(QLatin1String(row.checks)).arg(k));
                QVERIFY(check && !check->isChecked());
                QCOMPARE(container(check), QLatin1String(row.frame));
                QCOMPARE(twips(check), QRect(120 + 240 * (k % 8), k < 8 ? 360 : 720, 255, 255));
            }
            QVERIFY(!control(
                *window, QStringLiteral("%1(%2)").arg(QLatin1String(row.checks)).arg(row.count)));
        }
        // The long condition wraps its truth value onto a second line inside the panel.
        auto* condition = control<QLabel>(*window, QStringLiteral("Label3"));
        QVERIFY(condition->wordWrap());
        condition->setText(QStringLiteral(" 配置済みでないかどうかの判定 : False"));
        QVERIFY(condition->heightForWidth(condition->width()) <= condition->height());
        // The nine text lines of a board fit in Label6.
        auto* label6 = control<QLabel>(*window, QStringLiteral("Label6"));
        QVERIFY(9 * QFontMetrics(label6->font()).lineSpacing() <= label6->height());
        QVERIFY(QFontMetrics(label6->font()).horizontalAdvance(QStringLiteral("□□□□□□□●")) <=
                label6->width());
    }

    void checkBoxesAreReadAndRewritten()
    {
        auto window = open("frm8Queen");
        window->Command1_Click();
        auto* row0 = control<QCheckBox>(*window, QStringLiteral("Check1(0)"));
        QTest::mouseClick(row0, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(row0->isChecked());
        window->Command1_Click();
        QCOMPARE(caption(*window, QStringLiteral("Label3")),
                 QStringLiteral(" 配置済みでないかどうかの判定 : False"));
        QTest::mouseClick(row0, Qt::LeftButton, {}, QPoint(8, 8));
        window->Command1_Click(); // read before the step: now free
        QCOMPARE(window->model().line(), 6);
        for (int k = 0; k < 4; ++k)
            window->Command1_Click();
        QVERIFY(row0->isChecked());
        QVERIFY(control<QCheckBox>(*window, QStringLiteral("Check2(0)"))->isChecked());
        QVERIFY(control<QCheckBox>(*window, QStringLiteral("Check3(7)"))->isChecked());
        QCOMPARE(boxText(*window, 3), QStringLiteral("1"));
    }

    void autoRunShowsEverySolutionInTurnAndFinishes()
    {
        QStringList messages;
        QStringList boardsDuringMessages;
        QList<int> highlightDuringMessages;
        LessonForm* current = nullptr;
        LessonForm::setMessagePresenter([&](QWidget*, const QString& text) {
            messages << text;
            if (!current)
                return;
            boardsDuringMessages << caption(*current, QStringLiteral("Label6"));
            const int line = current->model().line();
            current->Timer1_Timer(); // skipped while the message is open
            QCOMPARE(current->model().line(), line);
            for (int k = 0; k < 17; ++k) {
                if (lineColour(*current, k) == yellow)
                    highlightDuringMessages << k;
            }
        });
        LessonForm window(lesson_registry::create("frm8Queen"));
        window.show();
        current = &window;
        for (int k = 0; k < 3590; ++k) // close to the first solution, by hand
            window.Command1_Click();
        auto* time = control<QLineEdit>(window, QStringLiteral("txtTime"));
        time->selectAll();
        QTest::keyClicks(time, QStringLiteral("1"));
        window.Command3_Click();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 10000);
        QCOMPARE(messages.first(), QStringLiteral("解番号"));
        // The board is up while the message is open; the refresh comes after it.
        QCOMPARE(boardsDuringMessages.first(),
                 QStringLiteral("\n●□□□□□□□\n□□□□●□□□\n□□□□□□□●\n□□□□□●□□"
                                "\n□□●□□□□□\n□□□□□□●□\n□●□□□□□□\n□□□●□□□□"));
        QCOMPARE(highlightDuringMessages.first(), 7);
        QTRY_VERIFY(window.model().line() != 14 && window.model().line() != 15);
        QVERIFY(window.timer().isActive());

        // The rest of the run, tick by tick.
        int ticks = 0;
        while (messages.size() < 93 && ticks < 70000) {
            window.Timer1_Timer();
            ++ticks;
        }
        current = nullptr;
        QCOMPARE(messages.size(), 93);
        QCOMPARE(messages.count(QStringLiteral("解番号")), 92);
        QCOMPARE(messages.last(), QStringLiteral("関数実行終わり"));
        QCOMPARE(boxText(window, 2), QStringLiteral("92"));
        QCOMPARE(window.model().line(), 0);
        QVERIFY(window.timer().isActive());
        window.Command4_Click();
        QVERIFY(!window.timer().isActive());
        LessonForm::setMessagePresenter({});
    }
};

QTEST_MAIN(RecursionWindowsTest)
#include "test_recursion_windows.moc"
