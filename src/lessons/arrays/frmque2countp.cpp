#include "frmque2countp.h"

#include "array_layout.h"
#include "count_p.h"

namespace
{

constexpr int cellLeft = 6870;
constexpr int cellTop = 3360;
constexpr int cellStep = 480;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        WindowShape shape;
        shape.frame3Height = 1455;
        LessonDescription d =
            lessonWindow("frmQue2CountP", "カウンタ処理", shape.width, shape.height, arrange(shape),
                         {
                             "private const int MAXQUE = 10;",
                             "private int CountP(int P)",
                             "{",
                             "     P++;",
                             "     if(P>=MAXQUE) P= 0;",
                             "     return P;",
                             "}",
                         },
                         {
                             note({"  サイクリックな配列のサイズです。"}),
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  Pをカウントアップします。"}),
                             note({"  P の値が配列サイズより大きければ関数値を"
                                   "0として返します。"}),
                             note({"  そうでなければPの値を関数値として返します。"}),
                             note({"  関数の本体の最後です。"}),
                         },
                         conditionTable(7, {{4, " P>=MAXQUE"}}));
        addBoxRows(d, "Frame3", RowPlace{360, 240, 1200, 1095, 480},
                   {{0, "P", 0, "0"}, {4, "関数値", 1}});
        // The row of cells below the variables panel, cell k at the k-th place.
        for (int k = 0; k < maxQue; ++k) {
            addLabel(d, "lblP", k, std::to_string(k),
                     Rect{cellLeft + cellStep * k, cellTop, 435, 375}, {});
        }
        return d;
    }();
    return d;
}

} // namespace

frmQue2CountP::frmQue2CountP() : Lesson(lessonDescription())
{
    bind(0, v.p, "P");
    bind(1, v.value, "関数値");
    setStartLine(1);
    readStrictlyAtStep();
}

int frmQue2CountP::run(int line, StepEffects&)
{
    switch (line) {
    case 1: return 3;
    case 3: v.p = checked::add(v.p, 1, "P + 1"); return 4;
    case 4:
        if (v.p >= maxQue)
            v.p = 0;
        return 5;
    case 5: v.value = v.p; return 6;
    case 6: return 1;
    }
    return line;
}

std::optional<bool> frmQue2CountP::test(int line) const
{
    if (line == 4)
        return v.p >= maxQue;
    return std::nullopt;
}

void frmQue2CountP::paintMarks(int, Marks& marks) const
{
    // A P outside 0 to 9 has no cell and marks none.
    marks.paintCell(v.p, colours::red);
}
