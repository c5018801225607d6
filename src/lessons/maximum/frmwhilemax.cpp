#include "frmwhilemax.h"

using checked::add;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmWhileMax", "While文による配列のMax", 11730, 6120, CommonLayout{},
                         {
                             "private int 最大値(int[] a)",
                             "{",
                             "     int max=a[0];",
                             "     int i=1;",
                             "     while (i<a.Length)",
                             "     {",
                             "         if (max<a[i]) max = a[i];",
                             "         i++;",
                             "      };",
                             "     return max;",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  整数型の変数 max に a[0] の値を代入します。"}),
                             note({"  整数型の変数 i に 1 を設定します"}),
                             note({"  i<aの配列サイズのあいだ，", "  以下を繰り返します。"}),
                             note({"  繰返し本体の先頭です。"}),
                             note({"  もし max の値が a[i] より小さい場合，",
                                   "  max に a[i] の値を代入します。"}),
                             note({"  i の値をカウントアップ(+1)します。"}),
                             note({"  繰返し本体の最後です。"}),
                             note({"  max の値を関数値として返します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         {"", "", "", "", "  i < a.Length", "", "  max < a[i]", "", "", "", ""});
        addFiveElementPanel(d, {"max", 3}, {"i", 8}, {"関数値", 4});
        return d;
    }();
    return d;
}

} // namespace

frmWhileMax::frmWhileMax() : FiveElementLesson(lessonDescription(), &ArrayMaxVariables::max, "max")
{
}

int frmWhileMax::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.max = at(v.a, 0, "a"); return 3;
    case 3: v.i = 1; return 4;
    case 4: return v.i < length ? 6 : 9; // over the brace of line 5
    case 5: return 6;
    case 6: keepLarger(v); return 7;
    case 7: v.i = add(v.i, 1, "i + 1"); return 4; // straight back to the test
    case 8: return 4;
    case 9: v.value = v.max; return 10;
    case 10: return 0;
    }
    return line;
}

std::optional<bool> frmWhileMax::test(int line) const
{
    switch (line) {
    case 4: return v.i < length;
    case 6: return maxBelowElement(v);
    }
    return std::nullopt;
}

void frmWhileMax::paintMarks(int line, Marks& marks) const
{
    switch (line) {
    case 2:
    case 3: marks.paint(aBoxes_, 0, colours::yellow); break;
    case 6:
    case 7: // the element compared, before the counter moves on
        marks.paint(aBoxes_, v.i, colours::yellow);
        break;
    }
}
