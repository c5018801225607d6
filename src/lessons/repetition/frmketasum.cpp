#include "frmketasum.h"

using checked::add;
using checked::div;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmKetaSum", "桁数のカウント", 11730, 6120, CommonLayout{},
                         {
                             "private int 桁数(int N)",
                             "{",
                             "     int NN = N;",
                             "     int i   = 1;",
                             "     while (NN>=10)",
                             "     {",
                             "         NN /= 10;",
                             "         i++;",
                             "      };",
                             "     return i;",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  整数型の変数 NN に N を設定します。"}),
                             note({"  整数型の変数 i に 1 を設定します"}),
                             note({"  NN>=10 のあいだ，", "  以下を繰り返します。"}),
                             note({"  繰返し本体の先頭です。"}),
                             note({"  NN を10で割ります。"}),
                             note({"  i の値をカウントアップ(+1)します。"}),
                             note({"  繰返し本体の最後です。"}),
                             note({"  i の値を関数値として返します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         {"", "", "", "", "  NN>=10", "", "", "", "", "", ""});
        addCounterPanel(d, "NN", "12345");
        return d;
    }();
    return d;
}

} // namespace

frmKetaSum::frmKetaSum() : CounterLesson(lessonDescription(), &DigitCountVariables::nn, "NN") {}

int frmKetaSum::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.nn = v.n; return 3;
    case 3: v.i = 1; return 4;
    case 4: return v.nn < 10 ? 9 : 6; // over the brace of line 5
    case 5: return 6;
    case 6: v.nn = div(v.nn, 10, "NN / 10"); return 7; // truncates toward zero, as C# does
    case 7: v.i = add(v.i, 1, "i + 1"); return 4;      // straight back to the test
    case 8: return 4;
    case 9: v.value = v.i; return 10;
    case 10: return 0;
    }
    return line;
}

std::optional<bool> frmKetaSum::test(int line) const
{
    if (line == 4)
        return v.nn >= 10;
    return std::nullopt;
}
