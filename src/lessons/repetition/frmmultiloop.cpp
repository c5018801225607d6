#include "frmmultiloop.h"

using checked::add;

namespace
{

// The text CRLF holds: the C# literal "\r\n", quotes included.
const std::string crlfLiteral = "\"\\r\\n\"";
// What line 9 appends: a real line break.
const std::string lineBreak = "\r\n";

// Thirteen listing lines: the window is two lines taller than the reference.
constexpr int extra = 720;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmMultiLoop", "多重ループ", 11730, 6120 + extra, tallerLayout(extra),
                         {
                             "private string 三角形1(int N)",
                             "{",
                             "     int i, j;",
                             "     string CRLF = \"\\r\\n\";",
                             "     string S = \"\" ;",
                             "     for(i = 1; i<=N; i++)",
                             "     {",
                             "        for (j=1; j<=i; j++)",
                             "           S += \"*\";",
                             "        S += CRLF;",
                             "     }",
                             "     return S;",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  整数型 i, j の宣言です。"}),
                             note({"  改行文字を設定します。"}),
                             note({"  S に空文字列を設定します。"}),
                             note({"  初期値i=1としてi<=Nの間以下を繰り返します。"}),
                             "",
                             note({"  初期値j=1としてj<=iの間，次を繰り返します。"}),
                             note({"  Sに\"*\"を連結します。"}),
                             note({"  Sに改行文字を連結します。"}),
                             "",
                             note({"  Sの値を関数値として返します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         {"", "", "", "", "", "  i <= N", "", "  j <= i", "", "", "", "", ""});
        // N, i, j and CRLF in a column on the left; S and the function value in tall
        // multi-line boxes on the right, in the smaller face.
        addCaptionedColumn(
            d, {{1, "N", 0, "5"}, {2, "i", 1, "0"}, {6, "j", 2, "0"}, {5, "CRLF", 3, ""}}, 120,
            Rect{720, 480, 1095, 375}, 480);
        const struct {
            int label;
            const char* caption;
            int box;
            int top;
        } tall[] = {{3, "S", 4, 480}, {4, "関数値", 5, 2160}};
        for (const auto& box : tall) {
            addLabel(d, "Label4", box.label, box.caption, Rect{1935, box.top + 60, 765, 255});
            addTextBox(d, "Text1", box.box, "", Rect{2760, box.top, 1935, 1560}, "Frame3",
                       lessonFont(9.75))
                .multiline = true;
        }
        return d;
    }();
    return d;
}

} // namespace

frmMultiLoop::frmMultiLoop() : Lesson(lessonDescription())
{
    bind(0, v.n, "N");
    bind(1, v.i, "i");
    bind(2, v.j, "j");
    bind(3, v.crlf, "CRLF");
    bind(4, v.s, "S");
    bind(5, v.value, "関数値");
}

int frmMultiLoop::run(int line, StepEffects&)
{
    switch (line) {
    case 0: // every pass starts from cleared strings and counters; N stays
        v.value.clear();
        v.crlf.clear();
        v.s.clear();
        v.i = 0;
        v.j = 0;
        return 2;
    case 1: return 2;
    case 2: return 3;
    case 3: v.crlf = crlfLiteral; return 4;
    case 4:
        v.s.clear();
        v.i = 1;
        return 5;
    case 5:
        if (v.i > v.n)
            return 11;
        v.j = 1;
        return 7; // over the brace of line 6
    case 6: v.j = 1; return 7;
    case 7: return v.j > v.i ? 9 : 8;
    case 8:
        v.s += '*';
        v.j = add(v.j, 1, "j + 1");
        return 7;
    case 9: v.s += lineBreak; return 10;
    case 10: v.i = add(v.i, 1, "i + 1"); return 5;
    case 11: v.value = v.s; return 12;
    case 12: return 0;
    }
    return line;
}

std::optional<bool> frmMultiLoop::test(int line) const
{
    switch (line) {
    case 5: return v.i <= v.n;
    case 7: return v.j <= v.i;
    }
    return std::nullopt;
}
