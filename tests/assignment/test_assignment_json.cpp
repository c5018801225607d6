// The assignment document: what a teacher saves opens as the same window, through a file or
// a link; every damaged or hostile file is refused with a message naming what is wrong.
#include "assignment/assignment.h"
#include "assignment/assignment_texts.h"
#include "lesson/lesson_registry.h"
#include "json/assignment_json.h"
#include "json/lesson_json.h"

#include <gtest/gtest.h>

namespace
{

namespace texts = assignment_texts;

// The bubble sort window with data of the teacher's own, a check of the condition asked.
Assignment bubbleSort()
{
    lesson_registry::registerAll();
    std::unique_ptr<LessonModel> model = lesson_registry::create("frmSortBuble");
    model->load();
    for (int k = 0; k < 5; ++k)
        model->setText(BoxGroup::Text1, k, std::to_string(50 - 7 * k));
    model->setPredictionMode(prediction::Mode::Condition);
    Assignment a =
        assignment::fromLesson(*model, "バブルソート <b>比較</b>", "条件を予想しよう。\r\n& < >");
    a.stepBack = false;
    return a;
}

std::string opened(const Assignment& a)
{
    auto result = assignment::open(a);
    if (auto* error = std::get_if<std::string>(&result))
        return "error: " + *error;
    return json::text(lesson_json::view(*std::get<assignment::Opened>(result).model));
}

std::string readError(std::string_view bytes)
{
    auto read = assignment_json::read(bytes);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "(read)";
}

} // namespace

TEST(AssignmentDocument, SavedAndOpenedGivesTheSameWindow)
{
    const Assignment a = bubbleSort();
    const std::string file = assignment_json::text(a);
    auto read = assignment_json::read(file);
    ASSERT_TRUE(std::holds_alternative<Assignment>(read)) << std::get<std::string>(read);
    const Assignment& b = std::get<Assignment>(read);
    EXPECT_EQ(assignment_json::text(b), file); // the same document, byte for byte
    EXPECT_EQ(assignment_json::digest(b), assignment_json::digest(a));
    EXPECT_EQ(b.title, a.title); // markup stays text
    EXPECT_EQ(b.instructions, a.instructions);
    EXPECT_EQ(opened(b), opened(a));
    EXPECT_NE(opened(b).find("\"text\": \"50\""), std::string::npos);
    auto model = std::move(std::get<assignment::Opened>(assignment::open(b)).model);
    EXPECT_EQ(model->predictionMode(), prediction::Mode::Condition);
    EXPECT_FALSE(model->canStepBack());
    model->step();
    EXPECT_FALSE(model->canStepBack());
    EXPECT_EQ(model->stepBack().messages.front(), "この課題では1つ戻ることはできません。");
}

TEST(AssignmentDocument, ALinkCarriesTheSameDocument)
{
    const Assignment a = bubbleSort();
    const std::string link = "https://school.example/trevisk/#" + assignment_json::fragment(a);
    for (const std::string& given : {link, assignment_json::fragment(a), link + "&x=1"}) {
        auto read = assignment_json::fromLink(given);
        ASSERT_TRUE(std::holds_alternative<Assignment>(read)) << std::get<std::string>(read);
        EXPECT_EQ(assignment_json::digest(std::get<Assignment>(read)), assignment_json::digest(a));
    }
    const std::pair<std::string, std::string> bad[] = {
        {"https://school.example/trevisk/", texts::notLink("https://school.example/trevisk/")},
        {"#assignment=@@@", texts::badValue(texts::assignmentLink, "assignment", "@@@")},
        {"#assignment=A", texts::badValue(texts::assignmentLink, "assignment", "A")},
        {"#assignment=" + assignment_json::base64url("{\"format\": 1"),
         texts::notJson(texts::assignmentLink, 13)},
    };
    for (const auto& [given, message] : bad) {
        auto read = assignment_json::fromLink(given);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << given;
        EXPECT_EQ(std::get<std::string>(read), message) << given;
    }
}

TEST(AssignmentDocument, Base64urlGoesThereAndBack)
{
    for (const std::string text : {"", "a", "ab", "abc", "abcd", "課題\xff\x00x"}) {
        EXPECT_EQ(assignment_json::fromBase64url(assignment_json::base64url(text)), text);
        EXPECT_EQ(assignment_json::base64url(text).find_first_of("+/="), std::string::npos);
    }
}

// Each file gives one message naming what is wrong; none opens anything.
TEST(AssignmentDocument, DamagedFilesAreRefusedWithWhatIsWrong)
{
    const std::string good = assignment_json::text(bubbleSort());
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string changed = good;
        const size_t at = changed.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return changed.replace(at, from.size(), to);
    };
    const std::string what(texts::assignmentFile);
    const std::pair<std::string, std::string> cases[] = {
        {"", texts::empty(what)},
        {good.substr(0, good.find("\"prediction\"")),
         texts::notJson(what, good.find("\"prediction\"") + 1)},
        {"[1, 2]", texts::notObject(what)},
        {std::string(300 * 1024, ' '),
         texts::tooLarge(what, 300 * 1024, assignment_json::byteLimit)},
        {with("\"title\": \"", std::string("\"title\": \"\0", 12)),
         texts::nulByte(what, good.find("\"title\"") + 11)},
        {with("バブル", "\xE3\x83"), texts::notUtf8(what, good.find("バブル") + 1)},
        {std::string(40, '[') + std::string(40, ']'), texts::tooDeep(what, 8)},
        {with("\"trevisk-assignment\"", "\"trevisk-result\""),
         texts::wrongFormat(what, "trevisk-assignment")},
        {with("\"version\": 1", "\"version\": 2"), texts::unknownVersion(what, 2, 1)},
        {with("\"version\": 1", "\"version\": \"1\""),
         texts::wrongType(what, "version", texts::typeInteger)},
        {with("\"version\": 1, ", ""), texts::missing(what, "version")},
        {with("\"lesson\": \"frmSortBuble\"", "\"lesson\": \"frmNowhere\""),
         texts::unknownLesson("frmNowhere")},
        {with("\"lesson\": \"frmSortBuble\"", "\"lesson\": 7"),
         texts::wrongType(what, "lesson", texts::typeString)},
        {with("\"autoRun\": true", "\"autoRun\": 1"),
         texts::wrongType(what, "autoRun", texts::typeBoolean)},
        {with("\"prediction\": \"condition\"", "\"prediction\": \"all\""),
         texts::badValue(what, "prediction", "all")},
        {with("\"start\": {", "\"colour\": 1, \"start\": {"), texts::unknownField(what, "colour")},
        {with("\"start\": {\"Text1\": [", "\"start\": {\"Text1\": [7, "),
         texts::wrongType(what, "start.Text1[0]", texts::typeString)},
        {with("\"start\": {\"Text1\": [", "\"start\": {\"option\": 1, \"Text1\": ["),
         std::string(texts::noOptions)},
        {with("\"title\": \"", "\"title\": \"" + std::string(201, 'x')),
         texts::tooLong(what, "title", 201 + 16, 200)},
        {with("\"start\": {", "\"start\": {\"Check1\": [1], "), texts::noSuchBox("Check1", 0)},
    };
    for (const auto& [bytes, message] : cases) {
        std::string error = readError(bytes);
        if (error == "(read)") // read, and refused when it is opened
            error = opened(std::get<Assignment>(assignment_json::read(bytes))).substr(7);
        EXPECT_EQ(error, message) << bytes.substr(0, 200);
    }
}

TEST(AssignmentDocument, ABoxTheLessonDoesNotHaveIsRefused)
{
    Assignment a = bubbleSort();
    a.start.text1.resize(40);
    a.start.text1[39] = "5";
    EXPECT_EQ(opened(a), "error: " + texts::noSuchBox("Text1", 39));
    a = bubbleSort();
    a.start.text1[0] = "99999"; // out of the 16-bit range: the load refuses it
    EXPECT_EQ(opened(a).substr(0, 7 + texts::refusedStart("").size()),
              "error: " + texts::refusedStart(""));
}
