#include "catalog/listings.h"
#include "catalog/menus.h"
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "lesson/picture_box.h"
#include "shell/fonts.h"
#include "shell/picture_scale.h"
#include "shell/text_form.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace
{

QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QLatin1String(name));
}

// Lets deferred deletions of closed windows happen.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

struct ShownListing {
    QString caption;
    QString text;
    double pointSize;
    bool modal;
    QSize boxSize;
};
ShownListing lastListing;

// What a menu or lesson window asks of the window manager: a title bar and a close box, no
// minimise or maximise button, and one size (the minimum is the maximum). Whether the
// buttons are drawn is the window manager's decision (openbox draws them all).
bool asksForTitleAndCloseOnly(const QWidget* window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return (flags & Qt::WindowTitleHint) && (flags & Qt::WindowCloseButtonHint) &&
           (flags & Qt::CustomizeWindowHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) &&
           window->minimumSize() == window->maximumSize();
}

void captureListing(TextForm& form)
{
    lastListing = {form.windowTitle(), form.text()->toPlainText(), form.text()->font().pointSizeF(),
                   form.windowModality() != Qt::NonModal, form.text()->size()};
}

// The window titles of the lessons the menus open.
const std::map<QString, QString> lessonTitles = {
    {"frm3ValueMax", "3値の最大値"},
    {"frmWhileMax", "While文による配列のMax"},
    {"frmForMax", "For文による配列のMax"},
    {"frmTotal", "配列の値の合計"},
    {"frmWhileSum", "While文による配列の合計"},
    {"frmForSum", "整数の和"},
    {"frmKetaSum", "桁数のカウント"},
    {"frmMultiLoop", "多重ループ"},
    {"frmReverseArray", "配列の逆転"},
    {"frmTableArray", "配列を表として"},
    {"frmStack", "Ｓｔａｃｋ"},
    {"frmQue", "Que(待ち行列）"},
    {"frmQue2CountP", "カウンタ処理"},
    {"frmQue2", "サイクリックなQue(待ち行列）"},
    {"frmForSearch", "For文による配列探索"},
    {"frmGuardSearch", "番兵付き配列探索"},
    {"frmBinarySearch", "2分探索"},
    {"frmFact", "再帰による階乗"},
    {"frmFactLoop", "繰返しによる階乗"},
    {"frmGCD", "再帰によるユークリッドの互除法"},
    {"frmHanoi", "ハノイの搭"},
    {"frm8Queen", "８王妃問題"},
    {"frmSwap", "値の交換"},
    {"frmSortBuble", "バブルソート（単純交換法）"},
    {"frmSortSimpleInsert", "単純挿入ソート"},
    {"frmSortSimpleExchange", "単純選択ソート"},
    {"frmSortShell", "シェルソート"},
    {"frmSortShellExt", "シェルソート"},
    {"frmSortShellExtInc", "シェルソート"},
    {"frmSortQuick", "クイックソート"},
};

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private:
    bool quit_ = false;

private slots:
    void initTestCase()
    {
        registerFontSubstitutions();
        lesson_registry::registerAll();
        window_registry::setQuitHandler([this] { quit_ = true; });
        setListingPresenter(captureListing);
        LessonForm::setMessagePresenter([](QWidget*, const QString&) {});
    }

    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        settle();
        quit_ = false;
    }

    void openingScreenLeadsToTheMainMenu()
    {
        QWidget* intro = window_registry::show(QStringLiteral("frmIntro"));
        QVERIFY(intro->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(intro->size(), QSize(680, 517));
        QCOMPARE(button(intro, "Command1")->text(), QStringLiteral("開始"));
        QCOMPARE(button(intro, "Command2")->text(), QStringLiteral("終了"));
        QVERIFY(button(intro, "Command1")->x() < button(intro, "Command2")->x());
        QTest::mouseClick(button(intro, "Command1"), Qt::LeftButton);
        settle();
        QVERIFY(!window_registry::find(QStringLiteral("frmIntro")));
        QWidget* main = window_registry::find(QStringLiteral("frmMain"));
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Trevisk"));
        QCOMPARE(main->size(), QSize(191, 290));
        QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!quit_);
    }

    void everyMenuButtonOpensItsWindowWithItsTitle()
    {
        for (const MenuTable& menu : allMenus()) {
            QWidget* window = window_registry::show(QLatin1String(menu.form));
            QCOMPARE(window->windowTitle(), QString::fromUtf8(menu.title));
            QVERIFY2(asksForTitleAndCloseOnly(window), menu.form);
            for (const MenuButton& b : menu.buttons) {
                const QString target = QLatin1String(b.target);
                QPushButton* widget = button(window, b.name);
                QVERIFY2(widget, b.name);
                QCOMPARE(widget->text(), QString::fromUtf8(b.caption));
                if (target.startsWith(QLatin1String("listing:")))
                    continue;
                QCOMPARE(widget->isEnabled(), window_registry::canOpen(target));
                if (!widget->isEnabled())
                    continue;
                QTest::mouseClick(widget, Qt::LeftButton);
                QWidget* opened = window_registry::find(target);
                QVERIFY2(opened && opened->isVisible(), b.target);
                QVERIFY2(asksForTitleAndCloseOnly(opened), b.target);
                if (lessonTitles.count(target))
                    QCOMPARE(opened->windowTitle(), lessonTitles.at(target));
            }
        }
        // The main menu's "配列の合計値" opens the array total lesson directly.
        QWidget* total = window_registry::find(QStringLiteral("frmTotal"));
        QVERIFY(total);
        QCOMPARE(total->windowTitle(), QStringLiteral("配列の値の合計"));
        QVERIFY(!quit_);
    }

    // Enter presses the focused button, as Space does, in the menus and the lesson windows
    // alike; the key reaches nothing else.
    void enterPressesTheFocusedButton()
    {
        QWidget* main = window_registry::show(QStringLiteral("frmMain"));
        const MenuTable* menu = findMenu("frmMain");
        QVERIFY(menu);
        for (const MenuButton& b : menu->buttons) {
            const QString target = QLatin1String(b.target);
            if (!findMenu(b.target) || window_registry::find(target))
                continue;
            QPushButton* widget = button(main, b.name);
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_Return);
            QWidget* opened = window_registry::find(target);
            QVERIFY2(opened && opened->isVisible(), b.target);
            break;
        }
        QWidget* total = window_registry::show(QStringLiteral("frmTotal"));
        auto* lesson = qobject_cast<LessonForm*>(total);
        QVERIFY(lesson);
        QPushButton* step = button(total, "Command1");
        step->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            QTest::keyClick(step, key);
        QCOMPARE(lesson->model().line(), 4);
        QTest::keyClick(button(total, "Command1"), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(lesson->model().line(), 4); // Shift+Enter is not Enter
    }

    void anOpenWindowIsShownAgainWithItsState()
    {
        auto* first = qobject_cast<LessonForm*>(window_registry::show(QStringLiteral("frmTotal")));
        QVERIFY(first);
        first->Command1_Click();
        first->Command1_Click();
        QWidget* again = window_registry::show(QStringLiteral("frmTotal"));
        QCOMPARE(again, static_cast<QWidget*>(first));
        QCOMPARE(first->model().line(), 3);
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            count += w->objectName() == QStringLiteral("frmTotal") ? 1 : 0;
        QCOMPARE(count, 1);
        // Minimised, its menu button shows it again with its state.
        first->showMinimized();
        QVERIFY(first->isMinimized());
        QCOMPARE(window_registry::show(QStringLiteral("frmTotal")), static_cast<QWidget*>(first));
        QVERIFY(!first->isMinimized());
        QVERIFY(first->isVisible());
        QCOMPARE(first->model().line(), 3);
        // Closed, it runs its load sequence when it is next shown.
        first->close();
        settle();
        QVERIFY(!window_registry::find(QStringLiteral("frmTotal")));
        auto* reopened =
            qobject_cast<LessonForm*>(window_registry::show(QStringLiteral("frmTotal")));
        QCOMPARE(reopened->model().line(), 0);
    }

    void closingATopicMenuLeavesItsLessonsOpen()
    {
        window_registry::show(QStringLiteral("frmMain"));
        QWidget* search = window_registry::show(QStringLiteral("frmSearch"));
        QWidget* lesson = window_registry::show(QStringLiteral("frmTotal"));
        search->close();
        settle();
        QVERIFY(!quit_);
        QVERIFY(lesson->isVisible());
        QVERIFY(window_registry::show(QStringLiteral("frmSearch")));
    }

    void closingTheMainMenuEndsTheProgram()
    {
        QWidget* main = window_registry::show(QStringLiteral("frmMain"));
        auto* lesson = qobject_cast<LessonForm*>(window_registry::show(QStringLiteral("frmTotal")));
        lesson->model().setTimerText("1");
        lesson->Command3_Click();
        main->close();
        QVERIFY(quit_);
    }

    void codeListingsShowTheirTextsModally()
    {
        QWidget* queens = window_registry::show(QStringLiteral("frm8QueenMain"));
        QTest::mouseClick(button(queens, "Command1"), Qt::LeftButton);
        QCOMPARE(lastListing.caption, QStringLiteral("ラベルの配列化（最も直感的な方法）"));
        QVERIFY(lastListing.modal);
        QCOMPARE(lastListing.pointSize, 12.0);
        const QStringList a = lastListing.text.split(QChar(u'\n'));
        QCOMPARE(a.size(), 77);
        QCOMPARE(a[0], QString());
        QCOMPARE(a[4], QStringLiteral("   LabelDT[0,0] = label1;"));
        QCOMPARE(a[12], QString());
        QCOMPARE(a[75], QString());
        QCOMPARE(a[74], QStringLiteral("   LabelDT[7,7] = label64;"));
        QCOMPARE(a[76], QStringLiteral("}"));

        QTest::mouseClick(button(queens, "Command2"), Qt::LeftButton);
        const QStringList b = lastListing.text.split(QChar(u'\n'));
        QCOMPARE(b.size(), 25);
        QCOMPARE(b[10], QStringLiteral("           Name=\"label\" + ID.ToString();"));
        QCOMPARE(b[24], QStringLiteral("}"));

        QTest::mouseClick(button(queens, "Command3"), Qt::LeftButton);
        QCOMPARE(lastListing.caption, QStringLiteral("初期化処理"));
        const QStringList c = lastListing.text.split(QChar(u'\n'));
        QCOMPARE(c.size(), 33);
        QCOMPARE(c[2], QStringLiteral("private bool[] 行配置済み=new bool[8];      "
                                      "//　各行に王妃が配置済みかどうかを示す"));
        QCOMPARE(c[4], QStringLiteral("private bool[] 対角配置済みB=new bool[15];   "
                                      "//　対角\\に王妃が配置済みかどうかを示す"));
        QCOMPARE(c[5], QStringLiteral(
                           "private int[] 列位置= new int[8];           //  各列の王妃の位置"));
        QCOMPARE(c[29], QStringLiteral("   for(i=0;i<8;i++) 列位置[i]=0;"));
        QCOMPARE(c[32], QStringLiteral("}"));

        QTest::mouseClick(button(queens, "Command4"), Qt::LeftButton);
        QCOMPARE(lastListing.caption, QStringLiteral("表示処理"));
        const QStringList d = lastListing.text.split(QChar(u'\n'));
        QCOMPARE(d.size(), 12); // a leading and a trailing line break
        QCOMPARE(d[3], QStringLiteral("　　for(int j=0;j<8;j++)"));
        QCOMPARE(d[11], QString());

        QWidget* repetition = window_registry::show(QStringLiteral("frmSumInteger"));
        QTest::mouseClick(button(repetition, "Command4"), Qt::LeftButton);
        QCOMPARE(lastListing.caption, QStringLiteral("繰返しを使わないで桁数を設定する方法"));
        QCOMPARE(lastListing.pointSize, 14.0);
        QCOMPARE(lastListing.text,
                 QStringLiteral("private int 桁数設定(int N)\n{\n     if (N == 0) return 1;\n"
                                "     return ((int)Math.Log10((double)N) +1);\n}"));
    }

    void listingBoxFollowsTheWindowAboveTheSmallestSize()
    {
        TextForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
        form.show();
        form.resize(614, 239); // 9210 x 3585 twips
        QCOMPARE(form.text()->size(), QSize(581, 206));
        form.resize(400, 300);
        QCOMPARE(form.text()->size(), QSize(367, 267));
        form.resize(30, 300); // 450 twips wide: the box keeps its size
        QCOMPARE(form.text()->size(), QSize(367, 267));
    }

    void pictureScaleSetsTheCoordinateSystem()
    {
        PictureBox picture;
        SetPictureScale(&picture, 0, 5, 4, -0.1f);
        QCOMPARE(picture.scaleTop(), 5.0f);
        QCOMPARE(picture.scaleLeft(), 0.0f);
        QCOMPARE(picture.scaleHeight(), -5.1f);
        QCOMPARE(picture.scaleWidth(), 4.0f);
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell_windows.moc"
