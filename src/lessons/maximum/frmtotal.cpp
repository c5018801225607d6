#include "frmtotal.h"

#include "array_panel.h"

using checked::add;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frmTotal", "配列の値の合計", 11730, 6120, CommonLayout{},
            {
                "private int 合計(int[] a)",
                "{",
                "     int total=0;",
                "     for(int i=0;i<a.Length;i++)",
                "         total += a[i];",
                "     return total;",
                "}",
                "",
                "",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  整数型の変数 total に 0 を設定します。"}),
                note({"  最初 i=0 として i< aの配列サイズのあいだ，", "  次を繰り返します。"}),
                note({"  totalに a[i] を加算します。"}),
                note({"  total の値を関数値として返します。"}),
                note({"  関数の本体の最後です。"}),
                "",
                "",
                "",
                "",
            },
            {"", "", "", "  i < a.Length", "", "", "", "", "", "", ""});
        addFiveElementPanel(d, {"total", 3}, {"i", 8}, {"関数値", 4});
        return d;
    }();
    return d;
}

} // namespace

frmTotal::frmTotal() : FiveElementLesson(lessonDescription(), &TotalVariables::total, "total") {}

int frmTotal::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        v.total = 0;
        v.i = 0;
        return 3;
    case 3: return v.i < length ? 4 : 5;
    case 4:
        v.total = add(v.total, at(v.a, v.i, "a"), "total + a[i]");
        v.i = add(v.i, 1, "i + 1");
        return 3;
    case 5: v.value = v.total; return 6;
    case 6: return 0;
    }
    return line;
}

std::optional<bool> frmTotal::test(int line) const
{
    if (line == 3)
        return v.i < length;
    return std::nullopt;
}

void frmTotal::paintMarks(int line, Marks& marks) const
{
    if (line == 4)
        marks.paint(aBoxes_, v.i, colours::yellow);
}
