#include "frmfact.h"

using checked::mul;
using checked::sub;

namespace
{

// The level box is written by the call and return steps only, never read.
constexpr int levelBox = 2;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow("frmFact", "再帰による階乗", 11730, 6120, CommonLayout{},
                                           {
                                               "private long fact(long n)",
                                               "{",
                                               "     if(n == 0) return 1;",
                                               "     else return(n*fact(n-1));",
                                               "}",
                                           },
                                           {
                                               note({"  関数の宣言です。"}),
                                               note({"  関数の本体の先頭です。"}),
                                               note({"  nが0のとき関数値を1として返却します。"}),
                                               note({"  そうでないときn*fact(n-1)を返却します。"}),
                                               note({"  関数の本体の最後です。"}),
                                           },
                                           {"", "", " n==0", "", ""});
        addCaptionedBox(d, {0, "n", 120, 0, "5", Rect{1320, 360, 1335, 375}});
        addCaptionedBox(d, {4, "関数値", 120, 1, "", Rect{1320, 720, 1335, 375}});
        addCaptionedBox(d, {1, "呼び出しレベル", 120, levelBox, "", Rect{2040, 1320, 615, 375}});
        return d;
    }();
    return d;
}

} // namespace

frmFact::frmFact() : Lesson(lessonDescription())
{
    bind(0, v.n, "n");
    bind(1, v.value, "関数値", Width::Bits32);
}

int frmFact::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        if (v.n != 0)
            return 3;
        v.value = 1;
        return 4;
    case 3:
        if (!v.stack.call({v.n}, effects, levelBox))
            return 4;
        v.n = sub(v.n, 1, "n-1");
        return 0;
    case 4: {
        FactStack::Frame caller{};
        if (!v.stack.ret(caller, effects, levelBox)) {
            effects.message(functionFinished(v.value));
            return 0;
        }
        v.n = caller[0];
        v.value = mul(v.n, v.value, "n*fact(n-1)", Width::Bits32);
        return 4;
    }
    }
    return line;
}

std::optional<bool> frmFact::test(int line) const
{
    if (line == 2)
        return v.n == 0;
    return std::nullopt;
}
