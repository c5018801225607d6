#include "frmguardsearch.h"

#include "search_panel.h"

using checked::add;

namespace
{

// a.Length is 6: elements 0 to 4 and the sentinel, element 5.
constexpr int length = 6;
constexpr int sentinel = length - 1;

// Fourteen listing lines: the window is three lines taller than the reference.
constexpr int extra = 1080;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frmGuardSearch", "番兵付き配列探索", 11730, 6120 + extra, tallerLayout(extra),
            {
                "private int 探索(int[] a)",
                "{",
                "     a[a.Length-1]=data;",
                "     int i=0;",
                "     while(a[i]!=data)",
                "         i++",
                "    return i;",
                "}",
                "",
                "",
                "",
                "",
                "",
                "",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  配列の最後に検索データを代入します。"}),
                note({"  i=0 にします。"}),
                note({"  a[i]とdataが等しくないとき次を繰り返します。"}),
                note({"  iをカウントアップします。"}),
                note({"  iの値を関数値として返します。"}),
                note({"  関数の本体の最後です。"}),
                "",
                "",
                "",
                "",
                "",
                "",
            },
            {"", "", "", "", "  a[i]!=data", "", "", "", "", "", "", "", "", ""});
        ArrayColumn column;
        column.labelIndices = {1, 2, 6, 5, 7}; // the sentinel's caption stands apart
        column.texts = {"13", "35", "22", "44", "12", ""};
        column.left = 840;
        column.step = 480;
        column.labelLeft = 600;
        column.labelWidth = 240;
        addSearchArray(d, 0, "a( a.Length=6：最後は番兵)", 3615, column);
        addLabel(d, "Label4", 9, "番兵", Rect{120, 3240, 660, 255});
        addSearchScalar(d, {3, "data", 2400, 6, Rect{3360, 840, 1335, 375}, ""});
        addSearchScalar(d, {8, "i", 2400, 8, Rect{3360, 1320, 1335, 375}, ""});
        addSearchScalar(d, {4, "関数値", 2400, 7, Rect{3360, 2400, 1335, 375}, ""});
        return d;
    }();
    return d;
}

} // namespace

frmGuardSearch::frmGuardSearch() : Lesson(lessonDescription())
{
    aBoxes_ = bindArray(BoxRef{}, v.a.data(), length, "a");
    bind(6, v.data, "data");
    bind(7, v.value, "関数値");
    bind(8, v.i, "i");
    resetOnRefresh(aBoxes_);
}

int frmGuardSearch::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.a[sentinel] = v.data; return 3;
    case 3: v.i = 0; return 4;
    case 4: return at(v.a, v.i, "a") != v.data ? 5 : 6;
    case 5: v.i = add(v.i, 1, "i + 1"); return 4;
    case 6: v.value = v.i; return 7;
    case 7: return 0;
    }
    return line;
}

std::optional<bool> frmGuardSearch::test(int line) const
{
    if (line == 4)
        return at(v.a, v.i, "a") != v.data;
    return std::nullopt;
}

void frmGuardSearch::paintMarks(int line, Marks& marks) const
{
    if (line == 4 || line == 5)
        marks.paint(aBoxes_, v.i, colours::yellow);
}
