#include "frm3valuemax.h"

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frm3ValueMax", "3値の最大値", 11730, 6120, CommonLayout{},
            {
                "private int max3(int a, int b, int c)",
                "{",
                "     int max=a;",
                "     if(max<b) max=b;",
                "     if(max<c) max=c;",
                "     return max;",
                "}",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  整数型の変数 max に a の値を代入します。"}),
                note({"  もし max の値が b より小さい場合，", "  max に b の値を代入します。"}),
                note({"  もし max の値が c より小さい場合，", "  max に c の値を代入します。"}),
                note({"  max の値を関数値として返します。"}),
                note({"  関数の本体の最後です。"}),
            },
            {"", "", "", "  max < b", "  max < c", "", ""});
        // One column, top to bottom, each caption to the left of its box.
        addCaptionedColumn(d,
                           {{0, "a", 0, "13"},
                            {1, "b", 1, "35"},
                            {2, "c", 2, "22"},
                            {3, "max", 3, ""},
                            {4, "関数値", 4, ""}},
                           1440, Rect{2400, 480, 1335, 375}, 480);
        return d;
    }();
    return d;
}

} // namespace

frm3ValueMax::frm3ValueMax() : Lesson(lessonDescription())
{
    bind(0, v.a, "a");
    bind(1, v.b, "b");
    bind(2, v.c, "c");
    bind(3, v.max, "max");
    bind(4, v.value, "関数値");
    readStrictlyAtStep();
}

int frm3ValueMax::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.max = v.a; return 3;
    case 3:
        if (v.max < v.b)
            v.max = v.b;
        return 4;
    case 4:
        if (v.max < v.c)
            v.max = v.c;
        return 5;
    case 5: v.value = v.max; return 6;
    case 6: return 0;
    }
    return line;
}

std::optional<bool> frm3ValueMax::test(int line) const
{
    switch (line) {
    case 3: return v.max < v.b;
    case 4: return v.max < v.c;
    }
    return std::nullopt;
}
