#include "console.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace
{

std::string run(const std::string& input)
{
    std::ostringstream out;
    LessonConsole console(out);
    std::istringstream in(input);
    console.run(in);
    return out.str();
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The binary itself, fed a stored script, answers exactly the stored transcript: the array
// total worked with edits, a refusal and auto-run, and predicted step by step.
TEST(LessonConsole, ScriptedRunMatchesTheStoredTranscript)
{
    const std::string dir = CONSOLE_DATA_DIR;
    for (const char* script : {"frmtotal", "prediction"}) {
        SCOPED_TRACE(script);
        const std::string command =
            std::string(LESSON_CONSOLE) + " < " + dir + "/" + script + ".script";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
        ASSERT_TRUE(pipe);
        std::string output;
        std::array<char, 4096> buffer;
        size_t n = 0;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
            output.append(buffer.data(), n);
        EXPECT_EQ(output, readFile(dir + "/" + script + ".expected"));
    }
}

TEST(LessonConsole, ExampleOfTheProtocol)
{
    const std::string out = run("open frmTotal\nstep 2\nview\n");
    EXPECT_NE(out.find("\"line\": 3,"), std::string::npos);
    EXPECT_NE(out.find("\"condition\": \"  i < a.Length : True\""), std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
}

TEST(LessonConsole, CommandsThatCannotBeTakenAnswerWithAnErrorAndGoOn)
{
    const struct {
        const char* input;
        const char* error;
    } cases[] = {
        {"view", "no lesson window is open"},
        {"open frmNothing", "unknown form: frmNothing"},
        {"open frmTotal\nfly", "unknown command: fly"},
        {"open frmTotal\nset 8 \"1\"", "no such box: 8"},
        {"open frmTotal\nset -1 \"1\"", "no such box: -1"},
        {"open frmTotal\nset 0 1", "malformed TEXT: 1"},
        {"open frmTotal\nset 0 \"1", "malformed TEXT: \\\"1"},
        {"open frmTotal\nset x \"1\"", "malformed index: x \\\"1\\\""},
        {"open frmTotal\nset2 0 \"1\"", "no such box: 0"},
        {"open frmTotal\ncheck Check1 0 1", "no such check box: Check1(0)"},
        {"open frmTotal\ncheck Check9 0 1", "no such check box: Check9"},
        {"open frmTotal\noption 1", "no such option button: 1"},
        {"open frmTotal\nfill", "this window has no button 配列値設定"},
        {"open frmTotal\nnote 9", "no such listing line: 9"},
        {"open frmTotal\nstep x", "malformed count: x"},
        {"open frmTotal\nautorun 5", "malformed TEXT: 5"},
        {"open frmTotal\nclose\nstep", "no lesson window is open"},
        {"open frmTotal\ntrace x", "malformed count: x"},
        {"open frmTotal\npredict line", "malformed TEXT: line"},
        {"open frmTotal\npredict \"often\"", "no such prediction mode: often"},
        {"open frmTotal\nanswer \"2\"", "no question is waiting"},
        {"open frmTotal\ndontknow", "no question is waiting"},
        {"open frmTotal\npredict \"line\"\nanswer 2", "malformed TEXT: 2"},
        {"predict \"line\"", "no lesson window is open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const std::string out = run(c.input);
        EXPECT_NE(out.find(std::string("{\"error\": \"") + c.error + "\"}"), std::string::npos)
            << out;
    }
}

TEST(LessonConsole, TextsAreJsonWithEscapes)
{
    const std::string out =
        run("open frmTotal\nset 0 \"a\\\"b\\\\c\\r\\n\\u0001\\u00e9\\ud83d\\ude00\"\nview\n# "
            "comment\n\n");
    EXPECT_NE(out.find("{\"text\": \"a\\\"b\\\\c\\r\\n\\u0001é😀\", \"color\": \"window\"}"),
              std::string::npos)
        << out;
}

TEST(LessonConsole, BytesThatAreNotUtf8AreWrittenAsReplacementCharacters)
{
    const std::string out = run("open frmTotal\nset 0 \"a\xff\xc3\"\nview\n");
    EXPECT_NE(out.find("{\"text\": \"a\xEF\xBF\xBD\xEF\xBF\xBD\", \"color\""), std::string::npos)
        << out;
}

TEST(LessonConsole, OpeningAnOpenLessonKeepsItsState)
{
    const std::string out = run("open frmTotal\nstep 3\nclose\nopen frmTotal\nview\n"
                                "step 3\nopen frmTotal\nview\n");
    // The first view is after a fresh load (line 0), the second after three steps (line 4).
    const size_t first = out.find("\"line\": 0");
    const size_t second = out.find("\"line\": 4");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
}

TEST(LessonConsole, DescribeGivesTheWholeDescription)
{
    const std::string out = run("open frmTotal\ndescribe\n");
    for (const char* part : {
             "{\"form\": \"frmTotal\", \"caption\": \"配列の値の合計\", \"width\": 11730, "
             "\"height\": 6120",
             "\"listing\": [\"private int 合計(int[] a)\", \"{\", \"     int total=0;\"",
             "\"conditions\": [\"\", \"\", \"\", \"  i < a.Length\"",
             "{\"name\": \"Frame1\", \"kind\": \"frame\", \"caption\": \"ソースプログラム\", "
             "\"left\": 120, "
             "\"top\": 120, \"width\": 6615, \"height\": 4215}",
             "{\"name\": \"Label4\", \"index\": 0, \"kind\": \"label\", \"caption\": \"a( "
             "a.Length=5)\", "
             "\"container\": \"Frame3\", \"left\": 600, \"top\": 360",
             "{\"name\": \"Text1\", \"index\": 0, \"kind\": \"textbox\", \"text\": \"13\", "
             "\"container\": "
             "\"Frame3\"",
             "\"font\": {\"face\": \"ＭＳ ゴシック\", \"size\": 12, \"bold\": true}",
             "{\"name\": \"txtTime\", \"kind\": \"textbox\", \"text\": \"500\"",
         }) {
        EXPECT_NE(out.find(part), std::string::npos) << part;
    }
}

// The trace rows of a run with a refused step and a typed value.
TEST(LessonConsole, TraceGivesOneRowObjectPerStep)
{
    const std::string out = run("open frmTotal\nstep 2\nset 0 \"40000\"\nstep\nset 0 \"10\"\n"
                                "step 2\ntrace\ntrace 1\n");
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    // The refusal's message, then the load's row and four steps (the refused one made no
    // row), then the newest row again.
    ASSERT_EQ(lines.size(), 1u + 5u + 1u) << out;
    EXPECT_EQ(lines[1].rfind("{\"row\": 0, \"event\": \"load\", \"step\": 0, \"ran\": null, "
                             "\"statement\": null, \"line\": 0,",
                             0),
              0u)
        << lines[1];
    EXPECT_NE(lines[4].find("\"row\": 3, \"event\": \"step\", \"step\": 3, \"ran\": 3"),
              std::string::npos)
        << lines[4];
    EXPECT_NE(lines[4].find("\"typed\": {\"a[0]\": \"10\"}"), std::string::npos) << lines[4];
    EXPECT_NE(lines[4].find("\"changed\": [\"a[0]\"]"), std::string::npos) << lines[4];
    EXPECT_NE(lines[5].find("\"statement\": \"         total += a[i];\", \"line\": 3, "
                            "\"condition\": \"  i < a.Length : True\""),
              std::string::npos)
        << lines[5];
    EXPECT_NE(lines[5].find("\"total\": 10,"), std::string::npos) << lines[5];
    EXPECT_EQ(lines[6], lines[5]);
}

} // namespace
