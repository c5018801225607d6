#include "frmformax.h"

using checked::add;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frmForMax", "For文による配列のMax", 11730, 6120, CommonLayout{},
            {
                "private int 最大値(int[] a)",
                "{",
                "     int max=a[0];",
                "     for(int i=1;i<a.Length;i++)",
                "     {",
                "         if (max<a[i]) max = a[i];",
                "      };",
                "     return max;",
                "}",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  整数型の変数 max に a[0] の値を代入します。"}),
                note({"  最初 i=1 として i< aの配列サイズのあいだ，", "  以下を繰り返します。"}),
                note({"  繰返し本体の先頭です。"}),
                note({"  もし max の値が a[i] より小さい場合，",
                      "  max に a[i] の値を代入します。"}),
                note({"  繰返し本体の最後です。", " ( i を 1 カウントアップします)。"}),
                note({"  max の値を関数値として返します。"}),
                note({"  関数の本体の最後です。"}),
                "",
                "",
            },
            {"", "", "", "  i < a.Length", "", "  max < a[i]", "", "", "", "", ""});
        addFiveElementPanel(d, {"max", 3}, {"i", 8}, {"関数値", 4});
        return d;
    }();
    return d;
}

} // namespace

frmForMax::frmForMax() : FiveElementLesson(lessonDescription(), &ArrayMaxVariables::max, "max") {}

int frmForMax::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        v.max = at(v.a, 0, "a");
        v.i = 1;
        return 3;
    case 3: return v.i < length ? 5 : 7; // over the brace of line 4
    case 4: return 5;
    case 5: keepLarger(v); return 6;
    case 6: v.i = add(v.i, 1, "i + 1"); return 3;
    case 7: v.value = v.max; return 8;
    case 8: return 0;
    }
    return line;
}

std::optional<bool> frmForMax::test(int line) const
{
    switch (line) {
    case 3: return v.i < length;
    case 5: return maxBelowElement(v);
    }
    return std::nullopt;
}

void frmForMax::paintMarks(int line, Marks& marks) const
{
    if (line == 2)
        marks.paint(aBoxes_, 0, colours::yellow);
    else if (line == 5)
        marks.paint(aBoxes_, v.i, colours::yellow);
}
