#include "frmgcd.h"

using checked::mod;

namespace
{

// The level box is written by the call and return steps only, never read.
constexpr int levelBox = 3;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmGCD", "再帰によるユークリッドの互除法", 11730, 6120, CommonLayout{},
                         {
                             "private int GCD(int A, int B)",
                             "{",
                             "     if(B == 0) return A;",
                             "     else return(GCD(B, A % B));",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  Bが0のときAの値を関数値とします。"}),
                             note({"  そうでないときGCD(B, A % B)を返却します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         {"", "", " B==0", "", ""});
        addCaptionedBox(d, {0, "A", 120, 0, "5", Rect{1320, 360, 1335, 375}});
        addCaptionedBox(d, {1, "B", 120, 1, "", Rect{1320, 720, 1335, 375}});
        addCaptionedBox(d, {2, "関数値", 120, 2, "", Rect{1320, 1320, 1335, 375}});
        addCaptionedBox(d, {3, "呼び出しレベル", 120, levelBox, "", Rect{2040, 1800, 615, 375}});
        return d;
    }();
    return d;
}

} // namespace

frmGCD::frmGCD() : Lesson(lessonDescription())
{
    bind(0, v.a, "A");
    bind(1, v.b, "B");
    bind(2, v.value, "関数値", Width::Bits32);
}

int frmGCD::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        if (v.b != 0)
            return 3;
        v.value = v.a;
        return 4;
    case 3: {
        if (!v.stack.call({v.a, v.b}, effects, levelBox))
            return 4;
        // A B edited to 0 refuses the whole step, the call above included.
        const int remainder = mod(v.a, v.b, "A % B");
        v.a = v.b;
        v.b = remainder;
        return 0;
    }
    case 4: {
        GcdStack::Frame caller{};
        if (!v.stack.ret(caller, effects, levelBox)) {
            effects.message(functionFinished(v.value));
            return 0;
        }
        v.a = caller[0];
        v.b = caller[1];
        return 4;
    }
    }
    return line;
}

std::optional<bool> frmGCD::test(int line) const
{
    if (line == 2)
        return v.b == 0;
    return std::nullopt;
}
