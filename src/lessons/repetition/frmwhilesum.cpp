#include "frmwhilesum.h"

using checked::add;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmWhileSum", "While文による配列の合計", 11730, 6120, CommonLayout{},
                         {
                             "private int 整数の和(int N)",
                             "{",
                             "     int sum = 0;",
                             "     int i   = 1;",
                             "     while (i <= N)",
                             "     {",
                             "         sum += i;",
                             "         i++;",
                             "      };",
                             "     return sum;",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  整数型の変数 sum に 0 を設定します。"}),
                             note({"  整数型の変数 i に 1 を設定します"}),
                             note({"  i<=N のあいだ，", "  以下を繰り返します。"}),
                             note({"  繰返し本体の先頭です。"}),
                             note({"  sum に i の値を加算します。"}),
                             note({"  i の値をカウントアップ(+1)します。"}),
                             note({"  繰返し本体の最後です。"}),
                             note({"  sum の値を関数値として返します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         {"", "", "", "", "  i <= N", "", "", "", "", "", ""});
        addCounterPanel(d, "sum", "10");
        return d;
    }();
    return d;
}

} // namespace

frmWhileSum::frmWhileSum() : CounterLesson(lessonDescription(), &SumVariables::sum, "sum") {}

int frmWhileSum::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.sum = 0; return 3;
    case 3: v.i = 1; return 4;
    case 4: return v.i > v.n ? 9 : 6; // over the brace of line 5
    case 5: return 6;
    case 6: v.sum = add(v.sum, v.i, "sum + i"); return 7;
    case 7: v.i = add(v.i, 1, "i + 1"); return 4; // straight back to the test
    case 8: return 4;
    case 9: v.value = v.sum; return 10;
    case 10: return 0;
    }
    return line;
}

std::optional<bool> frmWhileSum::test(int line) const
{
    if (line == 4)
        return v.i <= v.n;
    return std::nullopt;
}
