#include "lesson/picture_box.h"
#include "support/window_checks.h"

#include <QFontMetrics>
#include <QListWidget>

using namespace window_checks;

namespace
{

struct Placed {
    QString key;
    QRect twips; // a width or height of 0 is not checked
};

void checkPlaces(const QWidget& window, const QList<Placed>& controls)
{
    for (const Placed& p : controls) {
        const QWidget* widget = control(window, p.key);
        QVERIFY2(at(widget, p.twips.x(), p.twips.y()), qPrintable(p.key));
        if (p.twips.width() > 0)
            QVERIFY2(std::abs(twips(widget).width() - p.twips.width()) < 15, qPrintable(p.key));
        if (p.twips.height() > 0)
            QVERIFY2(std::abs(twips(widget).height() - p.twips.height()) < 15, qPrintable(p.key));
    }
}

int listCount(const QWidget& window)
{
    return control<QListWidget>(window, QStringLiteral("List1"))->count();
}

// The colours of the disks Picture1 shows on `peg` of a board with n disks, bottom up,
// sampled in each disk's middle (user coordinates: x 0 to 4, y n + 2 at the top to -0.1).
QList<QColor> pegColours(const QWidget& window, int n, int peg)
{
    auto* picture = control<PictureBox>(window, QStringLiteral("Picture1"));
    const QImage image = picture->grab().toImage();
    const QRect area = picture->contentsRect();
    QList<QColor> colours;
    for (int j = 1; j <= n; ++j) {
        const double x = peg + 0.1;
        const double y = j - 0.5;
        const int px = area.left() + static_cast<int>(x / 4 * area.width());
        const int py = area.top() + static_cast<int>((y - n - 2) / (-0.1 - n - 2) * area.height());
        colours << image.pixelColor(px * image.width() / picture->width(),
                                    py * image.height() / picture->height());
    }
    return colours;
}

const QColor red(255, 0, 0), yellow(255, 255, 0), green(0, 255, 0), blue(0, 0, 255);

} // namespace

class RecursionWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUp(); }

    void functionLessonsKeepTheReferenceLayout()
    {
        const struct {
            const char* form;
            const char* title;
            QList<Placed> controls;
        } lessons[] = {
            {"frmFact",
             "再帰による階乗",
             {{"Text1(0)", {1320, 360, 1335, 375}},
              {"Text1(1)", {1320, 720, 1335, 375}},
              {"Text1(2)", {2040, 1320, 615, 375}},
              {"Label4(1)", {120, 1380, 0, 0}}}},
            {"frmFactLoop",
             "繰返しによる階乗",
             {{"Text1(2)", {1320, 1320, 1335, 375}}, {"Text1(3)", {1320, 1800, 1335, 375}}}},
            {"frmGCD",
             "再帰によるユークリッドの互除法",
             {{"Text1(2)", {1320, 1320, 1335, 375}}, {"Text1(3)", {2040, 1800, 615, 375}}}},
        };
        for (const auto& lesson : lessons) {
            auto window = open(lesson.form);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(lesson.title));
            QCOMPARE(window->size(), QSize(782, 408));
            checkPlaces(*window, lesson.controls);
        }
    }

    void hanoiLayout()
    {
        auto window = open("frmHanoi");
        QCOMPARE(window->windowTitle(), QStringLiteral("ハノイの搭"));
        QCOMPARE(window->size(), QSize(683, 559)); // 10245 x 8385 twips
        checkPlaces(*window, {{"Frame1", {120, 120, 6615, 4455}},
                              {"Label2", {120, 4680, 6615, 1815}},
                              {"Frame3", {6840, 1680, 3255, 2295}},
                              {"Frame4", {6840, 4080, 3255, 1095}},
                              {"Text1(4)", {360, 240, 2775, 615}},
                              {"List1", {6840, 6240, 3255, 2040}},
                              {"Picture1", {120, 6600, 6615, 1695}}});
        QCOMPARE(caption(*window, QStringLiteral("Frame3")), QStringLiteral("Hanoi"));
        QCOMPARE(caption(*window, QStringLiteral("Frame4")), QStringLiteral("MoveTo"));
        QCOMPARE(container(control(*window, QStringLiteral("Text1(4)"))), QStringLiteral("Frame4"));
        for (int line = 0; line < 17; ++line) {
            const QWidget* label = control(*window, QStringLiteral("Label1(%1)").arg(line));
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QVERIFY(label->geometry().bottom() < label->parentWidget()->height());
        }
    }

    void hanoiPictureShowsTheDisksWhereTheBoardHasThem()
    {
        auto window = open("frmHanoi");
        QCOMPARE(pegColours(*window, 3, 1), (QList<QColor>{red, yellow, green}));
        const QColor empty = pegColours(*window, 3, 2).first();
        QVERIFY(empty != red && empty != yellow && empty != green);
        for (int k = 0; k < 20; ++k)
            window->Command1_Click();
        QCOMPARE(pegColours(*window, 3, 1), (QList<QColor>{red, empty, empty}));
        QCOMPARE(pegColours(*window, 3, 2), (QList<QColor>{yellow, empty, empty}));
        QCOMPARE(pegColours(*window, 3, 3), (QList<QColor>{green, empty, empty}));
        QCOMPARE(listCount(*window), 2);
        for (int k = 20; k < 65; ++k)
            window->Command1_Click();
        QCOMPARE(pegColours(*window, 3, 3), (QList<QColor>{red, yellow, green}));
        QCOMPARE(listCount(*window), 7);
        // Four disks after "先頭に戻る": blue at the bottom, in narrower proportions.
        control<QLineEdit>(*window, QStringLiteral("Text1(0)"))->setText(QStringLiteral("4"));
        window->model().setText(BoxGroup::Text1, 0, "4");
        window->Command2_Click();
        QCOMPARE(pegColours(*window, 4, 1), (QList<QColor>{blue, red, yellow, green}));
        QCOMPARE(listCount(*window), 0);
    }

    void eightQueensLayout()
    {
        auto window = open("frm8Queen");
        QCOMPARE(window->windowTitle(), QStringLiteral("８王妃問題"));
        QCOMPARE(window->size(), QSize(719, 497)); // 10785 x 7455 twips
        QList<Placed> places = {{"Frame1", {120, 120, 6375, 5175}},
                                {"Label2", {120, 5400, 6375, 1695}},
                                {"Frame3", {6720, 2520, 1695, 2295}},
                                {"Frame5", {7320, 1680, 3375, 735}},
                                {"Frame4(1)", {8520, 2520, 2175, 735}},
                                {"Frame4(0)", {8520, 3360, 2175, 1215}},
                                {"Frame4(2)", {8520, 4680, 2175, 1215}},
                                {"Label6", {6720, 5040, 1575, 1695}},
                                {"Text1(2)", {960, 1320, 615, 375}},
                                {"Text1(3)", {960, 1800, 615, 375}},
                                {"Text2(7)", {240 + 360 * 7, 240, 400, 270}},
                                {"Check1(7)", {120 + 240 * 7, 360, 255, 255}},
                                {"Check2(14)", {120 + 240 * 6, 720, 255, 255}},
                                {"Check3(8)", {120, 720, 255, 255}}};
        for (int line = 0; line < 17; ++line) {
            const bool two = line == 4 || line == 10 || line == 12;
            places.append({QStringLiteral("Label1(%1)").arg(line), {240, 0, 0, two ? 495 : 255}});
            places.last().twips.moveTop(twips(control(*window, places.last().key)).y());
        }
        checkPlaces(*window, places);
        QCOMPARE(caption(*window, QStringLiteral("Frame3")), QStringLiteral("Queen"));
        QCOMPARE(caption(*window, QStringLiteral("Frame4(0)")), QStringLiteral("対角配置済みA"));
        QCOMPARE(container(control(*window, QStringLiteral("Check3(14)"))),
                 QStringLiteral("Frame4(2)"));
        QCOMPARE(container(control(*window, QStringLiteral("Text2(0)"))), QStringLiteral("Frame5"));
        QVERIFY(!control(*window, QStringLiteral("Check1(8)")));
        const QWidget* line16 = control(*window, QStringLiteral("Label1(16)"));
        QVERIFY(line16->geometry().bottom() < line16->parentWidget()->height());
        QCOMPARE(line16->font().pointSizeF(), 9.75);
        QCOMPARE(caption(*window, QStringLiteral("Label1(4)")),
                 QStringLiteral("   if(!行配置済み[j] && !対角配置済みA[i+j] &&\n"
                                "      !対角配置済みB[i-j+7]) "));
        // The long condition wraps its truth value onto a second line inside its panel.
        auto* condition = control<QLabel>(*window, QStringLiteral("Label3"));
        condition->setText(QStringLiteral(" 配置済みでないかどうかの判定 : False"));
        QVERIFY(condition->wordWrap());
        QVERIFY(condition->heightForWidth(condition->width()) <= condition->height());
        // The nine text lines of a board fit in Label6.
        auto* label6 = control<QLabel>(*window, QStringLiteral("Label6"));
        const QFontMetrics metrics(label6->font());
        QVERIFY(9 * metrics.lineSpacing() <= label6->height());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("□□□□□□□●")) <= label6->width());
    }

    void queensAutoRunShowsEverySolutionInTurnAndFinishes()
    {
        QStringList messages;
        QStringList boards;
        LessonForm* current = nullptr;
        LessonForm::setMessagePresenter([&](QWidget*, const QString& text) {
            messages << text;
            if (!current)
                return;
            // The board is up while the message is open; the refresh comes after it.
            boards << caption(*current, QStringLiteral("Label6"));
            QCOMPARE(lineColour(*current, text == QStringLiteral("解番号") ? 7 : 16), yellow);
            const int line = current->model().line();
            current->Timer1_Timer(); // skipped while the message is open
            QCOMPARE(current->model().line(), line);
        });
        LessonForm window(lesson_registry::create("frm8Queen"));
        window.show();
        current = &window;
        for (int k = 0; k < 3590; ++k) // close to the first solution, by hand
            window.Command1_Click();
        window.model().setTimerText("1");
        window.Command3_Click();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 10000);
        QCOMPARE(messages.first(), QStringLiteral("解番号"));
        QCOMPARE(boards.first(), QStringLiteral("\n●□□□□□□□\n□□□□●□□□\n□□□□□□□●\n□□□□□●□□"
                                                "\n□□●□□□□□\n□□□□□□●□\n□●□□□□□□\n□□□●□□□□"));
        // The timer goes on after the message.
        QTRY_VERIFY(window.model().line() != 14 && window.model().line() != 15);
        int ticks = 0; // the rest of the run, tick by tick
        while (messages.size() < 93 && ++ticks < 70000)
            window.Timer1_Timer();
        current = nullptr;
        QCOMPARE(messages.count(QStringLiteral("解番号")), 92);
        QCOMPARE(messages.last(), QStringLiteral("関数実行終わり"));
        QCOMPARE(boxText(window, 2), QStringLiteral("92"));
        QVERIFY(window.timer().isActive());
        LessonForm::setMessagePresenter({});
    }
};

QTEST_MAIN(RecursionWindowsTest)
#include "test_recursion_windows.moc"
