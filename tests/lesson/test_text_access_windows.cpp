// The text a screen reader asks of a one-line box, piece by piece: every boundary type at
// every offset (the end of the text and an empty text included) answers, quickly and
// consistently, through the pure functions and through the box's accessible interface.
#include "lesson/accessibility.h"
#include "lesson/text_boundaries.h"
#include "support/window_checks.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using text_boundaries::Span;

namespace
{

// Ends the whole test program when a block does not finish in time: a query that loops must
// fail the suite, not hang it.
class Deadline
{
public:
    explicit Deadline(const char* what, std::chrono::seconds limit = std::chrono::seconds(10))
        : watchdog_([this, what, limit] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
                  std::fprintf(stderr, "FAIL: %s did not finish within %lld s\n", what,
                               static_cast<long long>(limit.count()));
                  std::_Exit(1);
              }
          })
    {
    }
    ~Deadline()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        watchdog_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread watchdog_;
};

const QAccessible::TextBoundaryType allTypes[] = {
    QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary,
};

const QString texts[] = {
    QString(),
    QStringLiteral("1"),
    QStringLiteral("13"),
    QStringLiteral("-32768"),
    QStringLiteral("ab cd  "),
    QStringLiteral("  leading"),
    QStringLiteral("日本語"),
    QStringLiteral("totalに a[i] を加算します。次です。"),
    QStringLiteral("第1盤を1軸から3軸に移動"),
    QStringLiteral("Hello. World? Yes"),
    QStringLiteral("a\nbc\n"),
    QString::fromUtf8("\xF0\x9F\x98\x80x e\xCC\x81"), // a surrogate pair; e with a combining mark
};

QString describe(const QString& text, QAccessible::TextBoundaryType type, int offset)
{
    return QStringLiteral("\"%1\" type %2 offset %3").arg(text).arg(type).arg(offset);
}

} // namespace

class TextAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        accessibility::install();
        window_checks::setUp();
    }

    // At every offset of every text, for every type: the piece holds the offset, the piece
    // before ends where it starts and the piece after starts where it ends; walking from
    // piece to piece covers the text once.
    void everyOffsetHasOneConsistentPiece()
    {
        const Deadline deadline("the pieces of the texts");
        for (const QString& text : texts) {
            const int length = static_cast<int>(text.size());
            for (const QAccessible::TextBoundaryType type : allTypes) {
                for (int offset = -2; offset <= length + 2; ++offset) {
                    const QString what = describe(text, type, offset);
                    const Span at = text_boundaries::at(text, offset, type);
                    const Span before = text_boundaries::before(text, offset, type);
                    const Span after = text_boundaries::after(text, offset, type);
                    if (offset < 0 || offset > length) {
                        QVERIFY2(at == Span{} && before == Span{} && after == Span{},
                                 qPrintable(what));
                        continue;
                    }
                    QVERIFY2(0 <= at.start && at.start <= at.end && at.end <= length,
                             qPrintable(what));
                    if (offset < length)
                        QVERIFY2(at.start <= offset && offset < at.end, qPrintable(what));
                    else
                        QCOMPARE(at.end, length);
                    QVERIFY2(before.end == at.start && before.start <= before.end,
                             qPrintable(what));
                    QVERIFY2(after.start == at.end && after.end >= after.start &&
                                 after.end <= length,
                             qPrintable(what));
                }
                int covered = 0;
                for (int turn = 0; turn <= length && covered < length; ++turn) {
                    const Span piece = text_boundaries::at(text, covered, type);
                    QCOMPARE(piece.start, covered);
                    QVERIFY(piece.end > covered);
                    covered = piece.end;
                }
                QCOMPARE(covered, length);
            }
        }
    }

    void piecesAreTheOnesAScreenReaderExpects()
    {
        const Deadline deadline("the expected pieces");
        const auto C = QAccessible::CharBoundary;
        const auto W = QAccessible::WordBoundary;
        const auto S = QAccessible::SentenceBoundary;
        const auto L = QAccessible::LineBoundary;
        const auto N = QAccessible::NoBoundary;
        const QString pair = QString::fromUtf8("\xF0\x9F\x98\x80x");
        const struct {
            QString text;
            QAccessible::TextBoundaryType type;
            int offset;
            Span at, before, after;
        } cases[] = {
            // The end of "13": the question that used to hang (Orca's Ctrl+Left).
            {"13", W, 2, {0, 2}, {0, 0}, {2, 2}},
            {"13", S, 2, {0, 2}, {0, 0}, {2, 2}},
            {"13", C, 2, {2, 2}, {1, 2}, {2, 2}},
            {"13", C, 0, {0, 1}, {0, 0}, {1, 2}},
            {"13", L, 1, {0, 2}, {0, 0}, {2, 2}},
            {"", W, 0, {0, 0}, {0, 0}, {0, 0}},
            {"", C, 0, {0, 0}, {0, 0}, {0, 0}},
            {"ab cd", W, 1, {0, 3}, {0, 0}, {3, 5}}, // a word keeps the blanks after it
            {"ab cd", W, 3, {3, 5}, {0, 3}, {5, 5}},
            {"ab cd", W, 5, {3, 5}, {0, 3}, {5, 5}},
            {"  ab", W, 0, {0, 2}, {0, 0}, {2, 4}},
            {"Hello. World", S, 8, {7, 12}, {0, 7}, {12, 12}},
            {"a\nbc\n", L, 0, {0, 2}, {0, 0}, {2, 5}},
            {"a\nbc\n", L, 3, {2, 5}, {0, 2}, {5, 5}},
            {"a\nbc\n", L, 5, {5, 5}, {2, 5}, {5, 5}}, // the empty line after the last break
            {pair, C, 1, {0, 2}, {0, 0}, {2, 3}},      // never half a surrogate pair
            {"日本語", C, 1, {1, 2}, {0, 1}, {2, 3}},
            {"ab cd", N, 4, {0, 5}, {0, 0}, {5, 5}},
        };
        for (const auto& c : cases) {
            const QString what = describe(c.text, c.type, c.offset);
            QVERIFY2(text_boundaries::at(c.text, c.offset, c.type) == c.at, qPrintable(what));
            QVERIFY2(text_boundaries::before(c.text, c.offset, c.type) == c.before,
                     qPrintable(what));
            QVERIFY2(text_boundaries::after(c.text, c.offset, c.type) == c.after, qPrintable(what));
        }
    }

    // The value boxes answer through the program's interface, also at the end of the text
    // and when empty, in a lesson window as a screen reader finds them.
    void aValueBoxAnswersEveryQuestion()
    {
        auto window = window_checks::open("frmTotal");
        auto* box = window_checks::control<QLineEdit>(*window, QStringLiteral("Text1(0)"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible && accessible->textInterface());
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QVERIFY(accessible->state().editable);
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("13"));
        QAccessibleTextInterface* text = accessible->textInterface();
        const Deadline deadline("the questions to the value box");
        for (const QString& shown : texts) {
            if (shown.contains(u'\n'))
                continue; // a one-line box holds no line break
            box->setText(shown);
            const int length = static_cast<int>(shown.size());
            QCOMPARE(text->characterCount(), length);
            for (const QAccessible::TextBoundaryType type : allTypes) {
                for (int offset = -1; offset <= length + 1; ++offset) {
                    int start = -2;
                    int end = -2;
                    const QString piece = text->textAtOffset(offset, type, &start, &end);
                    const Span expected = text_boundaries::at(shown, offset, type);
                    QVERIFY2(start == expected.start && end == expected.end,
                             qPrintable(describe(shown, type, offset)));
                    QCOMPARE(piece, start < 0 ? QString() : shown.mid(start, end - start));
                    text->textBeforeOffset(offset, type, &start, &end);
                    text->textAfterOffset(offset, type, &start, &end);
                }
            }
            int start = -2;
            int end = -2;
            QVERIFY(text->attributes(0, &start, &end).isEmpty());
            QCOMPARE(start, 0);
            QCOMPARE(end, length); // one run: a reader takes the value whole, not "1" of "13"
        }
    }

    // What a screen reader types into a box reaches the lesson as typing does.
    void editingThroughTheInterfaceIsTyping()
    {
        auto window = window_checks::open("frmTotal");
        auto* box = window_checks::control<QLineEdit>(*window, QStringLiteral("Text1(1)"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QAccessibleEditableTextInterface* edit = accessible->editableTextInterface();
        QVERIFY(edit);
        edit->replaceText(0, 2, QStringLiteral("77")); // 35 becomes 77
        QCOMPARE(box->text(), QStringLiteral("77"));
        QCOMPARE(window->model().panel().text1[1].text, std::string("77"));
        edit->insertText(2, QStringLiteral("1"));
        edit->deleteText(0, 1);
        QCOMPARE(window->model().panel().text1[1].text, std::string("71"));
        accessible->setText(QAccessible::Value, QStringLiteral("5"));
        QCOMPARE(window->model().panel().text1[1].text, std::string("5"));
        window->Command1_Click();
        window->Command2_Click(); // the refresh shows what the model read
        QCOMPARE(box->text(), QStringLiteral("5"));
    }

    void aMessageBoxTellsItsTextWithItsButton()
    {
        for (const QString& text : {QStringLiteral("\n  関数の宣言です。"), QString()}) {
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Project1"), text, QMessageBox::Ok);
            accessibility::labelMessageBox(box);
            QAbstractButton* ok = box.button(QMessageBox::Ok);
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(ok);
            QCOMPARE(button->text(QAccessible::Description),
                     text.isEmpty() ? QStringLiteral("空のメッセージ") : text.trimmed());
            // The text label belongs to the button, so the window does not read it again.
            auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QCOMPARE(label->buddy(), ok);
        }
    }
};

QTEST_MAIN(TextAccessTest)
#include "test_text_access_windows.moc"
