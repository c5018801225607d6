#include "frmswap.h"

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        CommonLayout layout;
        layout.frame3 = Rect{6840, 1920, 3015, 1215};
        LessonDescription d =
            lessonWindow("frmSwap", "値の交換", 11730, 6120, layout,
                         {
                             "private void 値の交換()",
                             "{",
                             "   int C=10;int D=20;",
                             "   swap(ref C, ref D);",
                             "}",
                             "private void swap(ref int A,ref int B)",
                             "{",
                             "   int X=A;",
                             "   A=B;",
                             "   B=X;",
                             "}",
                         },
                         {
                             note({"  値交換確認用の関数の宣言です。"}),
                             note({"　関数の本体の先頭です。"}),
                             note({"  C に 10, D に20を設定します。"}),
                             note({"  引数を参照渡しとしてswap関数を呼び出します。"}),
                             note({"  関数の本体の最後です。"}),
                             note({"  引数 A, B を参照渡しで受け取るswap関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  作業用の変数 X に A の値を設定します。"}),
                             note({"  A（参照先の C）に B の値を設定します。"}),
                             note({"  B（参照先の D）に X の値を設定します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         std::vector<std::string>(11));
        addFrame(d, "Frame4", -1, "swap", Rect{6840, 3240, 3015, 1455});
        const struct {
            const char* caption;
            int labelLeft;
            int labelTop;
            int boxTop;
            const char* frame;
        } boxes[] = {{"C", 120, 360, 360, "Frame3"},
                     {"D", 120, 720, 720, "Frame3"},
                     {"A", 240, 240, 240, "Frame4"},
                     {"B", 240, 720, 600, "Frame4"},
                     {"X", 240, 1080, 960, "Frame4"}};
        int index = 0;
        for (const auto& box : boxes) {
            addLabel(d, "Label4", index, box.caption, Rect{box.labelLeft, box.labelTop, 255, 255},
                     box.frame);
            addTextBox(d, "Text1", index, "", Rect{1320, box.boxTop, 1335, 375}, box.frame);
            ++index;
        }
        return d;
    }();
    return d;
}

} // namespace

frmSwap::frmSwap() : Lesson(lessonDescription())
{
    bind(0, v.c, "C");
    bind(1, v.d, "D");
    bind(2, v.a, "A");
    bind(3, v.b, "B");
    bind(4, v.x, "X");
}

int frmSwap::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        v.c = 10;
        v.d = 20;
        return 3;
    case 3: // the call binds A to C and B to D
        v.a = v.c;
        v.b = v.d;
        return 5;
    case 4: return 0;
    case 5:
    case 6: return 7;
    case 7: v.x = v.a; return 8;
    case 8: // an assignment to A is an assignment to C
        v.a = v.b;
        v.c = v.b;
        return 9;
    case 9:
        v.b = v.x;
        v.d = v.x;
        return 10;
    case 10: return 4;
    }
    return line;
}
