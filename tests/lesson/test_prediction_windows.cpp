// Predicting each step in the desktop window, offscreen: the 予想 button in every lesson, the
// question window beside it, answering by keyboard and mouse, the listing lines and True or
// False as answers, the hidden condition, what a screen reader is told, the trace's columns.
#include "lesson/announcer.h"
#include "lesson/free_place.h"
#include "lesson/prediction_texts.h"
#include "lesson/question_window.h"
#include "lesson/trace_item_model.h"
#include "lesson/trace_window.h"
#include "lesson/window_words.h"
#include "support/window_checks.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace
{

template <class T = QWidget> T* in(const QuestionWindow* window, const char* key)
{
    return window->findChild<T*>(QString::fromLatin1(key));
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRect global(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

class PredictionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { window_checks::setUp(); }

    // The button sits where the description says (the page puts it there too), clear of
    // everything; the question window opens beside the lesson without covering its listing,
    // its note or 進む, and closes with it.
    void theButtonFitsEveryLessonAndTheWindowKeepsTheLessonInView()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            auto* button = window->findChild<QPushButton*>(QStringLiteral("PredictButton"));
            QVERIFY2(button, form.c_str());
            const QString clear = window_checks::clearOfOthers(*window, button);
            QVERIFY2(clear.isEmpty(), qPrintable(clear));
            const added_buttons::Places places =
                added_buttons::place(window->model().description());
            QCOMPARE(button->geometry(), free_place::rect(places.predict->rect));
            QCOMPARE(button->text(), QString::fromStdString(places.predict->caption));
            QCOMPARE(button->toolTip(),
                     text(window_words::hint(*window_words::shortcutOf("PredictButton"))));
            QTest::mouseClick(button, Qt::LeftButton);
            QuestionWindow* question = window->questionWindow();
            QVERIFY2(question && question->isVisible(), form.c_str());
            QCOMPARE(question->windowTitle(),
                     text(prediction_texts::title(window->model().description().caption)));
            for (const char* kept : {"Frame1", "Label2", "Command1"}) {
                const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(kept));
                QVERIFY2(!question->frameGeometry().intersects(global(w)),
                         qPrintable(QString::fromStdString(form) + " covers " + kept));
            }
            window->close();
            QVERIFY(!question->isVisible()); // closed with its lesson window
        }
    }

    void answeringByKeyboardAlone()
    {
        QStringList messages;
        auto window = window_checks::open("frmTotal", &messages);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F8);
        QuestionWindow* question = window->questionWindow();
        QVERIFY(question && question->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(question));
        // The mode by the arrows among the options, or a click; the answer box takes the
        // focus with the first question.
        QCOMPARE(question->focusWidget(), in(question, "Mode(0)"));
        QTest::keyClick(question->focusWidget(), Qt::Key_Down);
        QCOMPARE(window->model().predictionMode(), prediction::Mode::Line);
        QTest::keyClick(question->focusWidget(), Qt::Key_Down);
        QCOMPARE(window->model().predictionMode(), prediction::Mode::Condition);
        QTest::mouseClick(in<QRadioButton>(question, "Mode(1)"), Qt::LeftButton);
        QCOMPARE(window->model().predictionMode(), prediction::Mode::Line);
        // Tab: the question (read as what it says), then the answer box.
        QTest::keyClick(question->focusWidget(), Qt::Key_Tab);
        QCOMPARE(question->focusWidget(), in(question, "Question"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(question->focusWidget())->text(QAccessible::Name),
            QStringLiteral("0行目を実行したあと、次に実行するのは何行目ですか。"));
        QTest::keyClick(question->focusWidget(), Qt::Key_Tab);
        QCOMPARE(question->focusWidget(), in(question, "Answer"));
        question->open();
        QCOMPARE(question->focusWidget(), in(question, "Answer"));
        QTest::keyClicks(in(question, "Answer"), QStringLiteral("9"));
        QTest::keyClick(in(question, "Answer"), Qt::Key_Return);
        QCOMPARE(window->model().line(), 0); // not a line of the listing: not judged
        QCOMPARE(messages,
                 QStringList{QStringLiteral("9行目はありません。0～8 の行番号で答えてください。")});
        in<QLineEdit>(question, "Answer")->clear();
        in<QLineEdit>(question, "Answer")->insert(QStringLiteral("２")); // as an input method types
        QTest::keyClick(in(question, "Answer"), Qt::Key_Return);
        QCOMPARE(window->model().line(), 2);
        QCOMPARE(in<QLabel>(question, "Verdict")->text(), QStringLiteral("○ 正解です（2行目）"));
        QCOMPARE(in<QLabel>(question, "Score")->text(), QStringLiteral("予想 1問中 1問正解"));
        QCOMPARE(in<QLineEdit>(question, "Answer")->text(), QString()); // a new question
        QCOMPARE(messages.size(), 1);                                   // Enter answered once

        // A condition: T chooses True, Enter answers; the lesson shows no truth meanwhile.
        window->Command1_Click(); // 進む with a line question waiting and no answer: a message
        QCOMPARE(window->model().line(), 2);
        window->PredictMode_Click(prediction::Mode::Auto);
        window->Answer_Typed("3");
        window->Judge_Click();
        QCOMPARE(window->model().line(), 3);
        auto* condition = window_checks::control<QLabel>(*window, QStringLiteral("Label3"));
        QCOMPARE(condition->text(), QStringLiteral("  i < a.Length"));
        QVERIFY(!in<QWidget>(question, "Answer")->isEnabled());
        question->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(question));
        QTest::keyClick(question, Qt::Key_F);
        QVERIFY(in<QPushButton>(question, "False")->isChecked());
        QTest::keyClick(question, Qt::Key_T);
        QVERIFY(in<QPushButton>(question, "True")->isChecked());
        QVERIFY(!in<QPushButton>(question, "False")->isChecked());
        in(question, "True")->setFocus();
        QTest::keyClick(in(question, "True"), Qt::Key_Return);
        QCOMPARE(window->model().line(), 4);
        QCOMPARE(in<QLabel>(question, "Verdict")->text(), QStringLiteral("○ 正解です（True）"));
        QCOMPARE(window->model().attempts().all().size(), 3u);

        // わからない, then Esc closes the window and the mode goes off.
        QTest::mouseClick(in(question, "DontKnow"), Qt::LeftButton);
        QCOMPARE(window->model().line(), 3);
        QCOMPARE(window->model().score().asked, 4);
        QCOMPARE(window->model().score().correct, 3);
        QTest::keyClick(question, Qt::Key_Escape);
        QVERIFY(!question->isVisible());
        QCOMPARE(window->model().predictionMode(), prediction::Mode::Off);
        QCOMPARE(condition->text(), QStringLiteral("  i < a.Length : True"));
    }

    // While a line is asked, a click on a listing line chooses it and a second click answers;
    // otherwise a click shows the line's note as always. A screen reader hears the choice, the
    // judgement, and the next question.
    void listingLinesAnswerALineQuestion()
    {
        QStringList messages;
        auto window = window_checks::open("frmTotal", &messages);
        auto* announcer = window->findChild<Announcer*>();
        QVERIFY(announcer);
        window->Predict_Click();
        window->PredictMode_Click(prediction::Mode::Line);
        window->Label1_Click(3);
        QVERIFY(messages.isEmpty());
        QCOMPARE(window->model().draft(), std::string("3"));
        QCOMPARE(in<QLineEdit>(window->questionWindow(), "Answer")->text(), QStringLiteral("3"));
        QCOMPARE(announcer->text(), QStringLiteral("予想 3行目"));
        window->Label1_Click(2);
        QCOMPARE(window->model().line(), 0);
        window->Label1_Click(2);
        QCOMPARE(window->model().line(), 2);
        QVERIFY(announcer->text().startsWith(QStringLiteral("○ 正解です（2行目）。2行目 ")));
        QVERIFY(announcer->text().endsWith(
            QStringLiteral("質問 2行目を実行したあと、次に実行するのは何行目ですか。")));
        window->PredictMode_Click(prediction::Mode::Value);
        window->Label1_Click(4); // no line asked: the note, as always
        QCOMPARE(messages.size(), 1);
    }

    // The trace table gains 予想 and 正誤 after 条件 once the mode is on.
    void theTraceShowsTheAnswers()
    {
        auto window = window_checks::open("frmTotal");
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        QCOMPARE(trace->model()->columnCount(), 15);
        window->Predict_Click();
        window->PredictMode_Click(prediction::Mode::Line);
        QCOMPARE(trace->model()->columnCount(), 17);
        QCOMPARE(trace->model()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("予想"));
        QCOMPARE(trace->model()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("正誤"));
        window->Answer_Typed("4");
        window->Judge_Click();
        trace->syncNow();
        const TraceItemModel* rows = trace->model();
        QCOMPARE(rows->data(rows->index(1, 5), Qt::DisplayRole).toString(),
                 QStringLiteral("次の行 4"));
        QCOMPARE(rows->data(rows->index(1, 6), Qt::DisplayRole).toString(), QStringLiteral("×"));
        // Closing the question window keeps the columns and what they show.
        window->questionWindow()->close();
        trace->syncNow();
        QCOMPARE(trace->model()->columnCount(), 17);
    }
};

QTEST_MAIN(PredictionWindowTest)
#include "test_prediction_windows.moc"
