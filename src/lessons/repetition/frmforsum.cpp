#include "frmforsum.h"

using checked::add;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmForSum", "整数の和", 11730, 6120, CommonLayout{},
                         {
                             "private int 整数の和(int N)",
                             "{",
                             "     int sum = 0;",
                             "     for (int i = 1; i <= N; i++)",
                             "          sum += i;",
                             "     return sum;",
                             "}",
                             "",
                             "",
                             "",
                             "",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  整数型の変数 sum に 0 を設定します。"}),
                             note({"  初期値i=1としてi<=N のあいだ，", "  以下を繰り返します。"}),
                             note({"  sum に i の値を加算します。"}),
                             note({"  sum の値を関数値として返します。"}),
                             note({"  関数の本体の最後です。"}),
                             "",
                             "",
                             "",
                             "",
                         },
                         {"", "", "", "  i <= N", "", "", "", "", "", "", ""});
        addCounterPanel(d, "sum", "10");
        return d;
    }();
    return d;
}

} // namespace

frmForSum::frmForSum() : CounterLesson(lessonDescription(), &SumVariables::sum, "sum") {}

int frmForSum::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        v.sum = 0;
        v.i = 1;
        return 3;
    case 3: return v.i > v.n ? 5 : 4;
    case 4:
        v.sum = add(v.sum, v.i, "sum + i");
        v.i = add(v.i, 1, "i + 1");
        return 3;
    case 5: v.value = v.sum; return 6;
    case 6: return 0;
    }
    return line;
}

std::optional<bool> frmForSum::test(int line) const
{
    if (line == 3)
        return v.i <= v.n;
    return std::nullopt;
}
