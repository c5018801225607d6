#include "frmfactloop.h"

using checked::add;
using checked::mul;

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmFactLoop", "繰返しによる階乗", 11730, 6120, CommonLayout{},
                         {
                             "private long fact(long n)",
                             "{",
                             "     r=1;",
                             "     for(i=1;i<=n;i++)",
                             "        r *= i;",
                             "     return r;",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  r に 1 を代入します。"}),
                             note({"  初期値を1としてi <= nの間，以下を繰り返します。"}),
                             note({"  r に i を乗じます。"}),
                             note({"  r を関数値とします。"}),
                             note({"  関数の本体の最後です。"}),
                             "",
                         },
                         {"", "", "", " i <= n", "", "", "", ""});
        addCaptionedBox(d, {0, "n", 120, 0, "5", Rect{1320, 360, 1335, 375}});
        addCaptionedBox(d, {1, "関数値", 120, 1, "", Rect{1320, 720, 1335, 375}});
        addCaptionedBox(d, {2, "i", 120, 2, "", Rect{1320, 1320, 1335, 375}});
        addCaptionedBox(d, {3, "r", 120, 3, "", Rect{1320, 1800, 1335, 375}});
        return d;
    }();
    return d;
}

} // namespace

frmFactLoop::frmFactLoop() : Lesson(lessonDescription())
{
    bind(0, v.n, "n");
    bind(1, v.value, "関数値", Width::Bits32);
    bind(2, v.i, "i");
    bind(3, v.r, "r", Width::Bits32);
}

int frmFactLoop::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        v.r = 1;
        v.i = 1; // the loop's start value
        return 3;
    case 3: return v.i <= v.n ? 4 : 5;
    case 4:
        v.r = mul(v.r, v.i, "r * i", Width::Bits32);
        v.i = add(v.i, 1, "i + 1");
        return 3;
    case 5: v.value = v.r; return 6;
    case 6: return 0;
    }
    return line;
}

std::optional<bool> frmFactLoop::test(int line) const
{
    if (line == 3)
        return v.i <= v.n;
    return std::nullopt;
}
