#include "frmforsearch.h"

#include "search_panel.h"

using checked::add;

namespace
{

// The loop bound is the shown length 5, not the number of slots.
constexpr int length = 5;
constexpr int notFound = -999;

// Fourteen listing lines: the window is three lines taller than the reference.
constexpr int extra = 1080;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frmForSearch", "For文による配列探索", 11730, 6120 + extra, tallerLayout(extra),
            {
                "private int 探索(int[] a)",
                "{",
                "     int ID=-999;",
                "     for(int i=0;i<a.Length;i++)",
                "     {",
                "         if (a[i]==data)",
                "         {",
                "             ID=i;",
                "             break;",
                "         }",
                "      };",
                "     return ID;",
                "}",
                "",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  整数型の変数 ID に負の値を代入します。"}),
                note({"  最初 i=0 として i< aの配列サイズのあいだ，", "  以下を繰り返します。"}),
                note({"  Forブロックの先頭です。"}),
                note({"  もし a[i]とdataが等しいとき以下を行います。"}),
                "",
                note({"  IDにiを設定します。"}),
                note({"  forブロックを抜け出します。"}),
                "",
                note({"　forブロックの最後です。"}),
                note({"  IDの値を関数値として返します。"}),
                note({"  関数の本体の最後です。"}),
                "",
            },
            {"", "", "", "  i < a.Length", "", "  a[i]==data", "", "", "", "", "", "", "", ""});
        ArrayColumn column;
        column.labelIndices = {1, 2, 6, 5, 7};
        column.texts = {"13", "35", "22", "44", "12"};
        column.step = 480;
        column.labelWidth = 240;
        addSearchArray(d, 0, "a( a.Length=5)", 1695, column);
        addSearchScalar(d, {3, "data", 2160, 5, Rect{3120, 840, 1335, 375}, ""});
        addSearchScalar(d, {8, "i", 2160, 7, Rect{3120, 1320, 1335, 375}, ""});
        addSearchScalar(d, {9, "ID", 2160, 8, Rect{3120, 1800, 1335, 375}, ""});
        addSearchScalar(d, {4, "関数値", 2160, 6, Rect{3120, 2400, 1335, 375}, ""});
        return d;
    }();
    return d;
}

} // namespace

frmForSearch::frmForSearch() : Lesson(lessonDescription())
{
    aBoxes_ = bindArray(BoxRef{}, v.a.data(), length, "a");
    bind(5, v.data, "data");
    bind(6, v.value, "関数値");
    bind(7, v.i, "i");
    bind(8, v.id, "ID");
    resetOnRefresh(aBoxes_);
}

int frmForSearch::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2:
        v.id = notFound;
        v.i = 0;
        return 3;
    case 3: return v.i < length ? 5 : 11; // over the brace of line 4
    case 4: return 5;
    case 5: return at(v.a, v.i, "a") == v.data ? 7 : 10;
    case 6: return 7;
    case 7: v.id = v.i; return 8;
    case 8: return 11; // break
    case 9: return 10;
    case 10: v.i = add(v.i, 1, "i + 1"); return 3;
    case 11: v.value = v.id; return 12;
    case 12: return 0;
    }
    return line;
}

std::optional<bool> frmForSearch::test(int line) const
{
    switch (line) {
    case 3: return v.i < length;
    case 5: return at(v.a, v.i, "a") == v.data;
    }
    return std::nullopt;
}

void frmForSearch::paintMarks(int line, Marks& marks) const
{
    if (line == 5 || line == 7 || line == 8) // the element compared or found
        marks.paint(aBoxes_, v.i, colours::yellow);
}
