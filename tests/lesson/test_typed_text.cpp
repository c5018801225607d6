// A long text the student typed is quoted shortened, by messages, announcements and the trace
// table's cells, while the lesson and the trace keep it whole.
#include "lesson/narration.h"
#include "lesson/trace_table.h"
#include "lesson/typed_text.h"
#include "support/lesson_driver.h"

namespace
{

std::string repeated(const std::string& piece, size_t times)
{
    std::string text;
    for (size_t k = 0; k < times; ++k)
        text += piece;
    return text;
}

TEST(TypedText, ShortTextsStayWholeLongOnesKeepTheirStartAndLength)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"12", "12"},
        {repeated("9", 40), repeated("9", 40)},
        {repeated("9", 41), repeated("9", 20) + "…（41 文字）"},
        {repeated("9", 100000), repeated("9", 20) + "…（100000 文字）"},
        // Characters, not bytes: a Japanese character is never cut in two.
        {repeated("あ", 40), repeated("あ", 40)},
        {repeated("あ", 50), repeated("あ", 20) + "…（50 文字）"},
        {repeated("a", 19) + repeated("あ", 30), repeated("a", 19) + "あ…（49 文字）"},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(typed_text::shortened(text), quoted) << text.size();
    EXPECT_EQ(typed_text::characters("aあ１\u3000"), 4u);
}

TEST(TypedText, MessagesQuoteALongTypedValueShortened)
{
    // Too large a number, a text that is not one (strict reading), a timer interval.
    LessonDriver total("frmTotal");
    total.set(0, repeated("9", 100000));
    total.step();
    EXPECT_TRUE(total.lastRefused());
    EXPECT_EQ(total.lastMessage(), "a[0] の値 " + repeated("9", 20) +
                                       "…（100000 文字） は -32768～32767 の範囲外です。");

    LessonDriver strict("frm3ValueMax");
    strict.set(0, repeated("x", 5000));
    strict.step();
    EXPECT_TRUE(strict.lastRefused());
    EXPECT_NE(strict.lastMessage().find("「" + repeated("x", 20) + "…（5000 文字）」"),
              std::string::npos)
        << strict.lastMessage();

    LessonDriver timer("frmTotal");
    timer.autoRun(repeated("9", 3000));
    EXPECT_LT(typed_text::characters(timer.lastMessage()), 80u) << timer.lastMessage();
}

TEST(TypedText, AnnouncementsAndTheTraceShowItShortenedAndKeepItWhole)
{
    LessonDriver stack("frmStack");
    const std::string pushed = repeated("ab", 50000);
    stack.set(12, pushed);
    Narration narration(stack.model(), Narration::namedValues(stack.model()));
    stack.step(4);
    const std::string told = narration.tell("");
    EXPECT_LT(typed_text::characters(told), 400u) << told.size();
    EXPECT_NE(told.find("ab…（100000 文字）"), std::string::npos);

    const TraceTable table(stack.model());
    size_t vColumn = 0;
    for (size_t c = 0; c < table.columnCount(); ++c) {
        if (table.header(c) == "V")
            vColumn = c;
    }
    ASSERT_NE(vColumn, 0u);
    table.seek(table.rowCount() - 1);
    EXPECT_EQ(table.cell(vColumn), pushed) << "the trace keeps the whole value";
    EXPECT_EQ(table.shown(vColumn), repeated("ab", 10) + "…（100000 文字）");
    EXPECT_EQ(stack.panel().text1.at(12).text, pushed);
}

} // namespace
