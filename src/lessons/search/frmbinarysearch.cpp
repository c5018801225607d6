#include "frmbinarysearch.h"

#include "search_panel.h"

using checked::add;
using checked::div;
using checked::sub;

namespace
{

// a.Length is 10: line 3 sets p2 to 9.
constexpr int length = 10;

// Fourteen listing lines and ten array boxes: the window is 1320 twips taller than the
// reference, so that the variables panel holds the whole column.
constexpr int extra = 1320;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d =
            lessonWindow("frmBinarySearch", "2分探索", 11730, 6120 + extra, tallerLayout(extra),
                         {
                             "private int 探索(int[] a, int data)",
                             "{",
                             "     int p1=0;",
                             "     int p2=a.Length-1;",
                             "     int p;",
                             "     while (p1 <= p2)",
                             "     {",
                             "         p=(p1+p2)/2;",
                             "         if (a[p]==data)return p; ",
                             "         else if(a[p]<data) p1 = p + 1;                 ",
                             "        else                  p2 = p - 1;",
                             "     }",
                             "     return -1;",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  検索先頭を0にします。"}),
                             note({"  検索最後を配列の終わりにします。"}),
                             note({"  判定対象の宣言です。"}),
                             note({"  検索先頭≦検索最後の間以下を繰り返します。"}),
                             "",
                             note({"  判定対象を中央位置とします。"}),
                             note({"  判定対象が等しければ探索成功です。"}),
                             note({"  判定対象が小さければ検索先頭を中央位置とします。"}),
                             note({"  判定対象が大きければ検索最後を中央位置とします。"}),
                             "",
                             note({"  検索失敗として終わります。"}),
                             "",
                         },
                         {"", "", "", "", "", "　p1 <= p2", "", "", "  a[p]==data", "  a[p]<data",
                          "", "", "", ""});
        ArrayColumn column;
        column.labelIndices = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        column.texts = {"13", "22", "24", "34", "38", "44", "57", "63", "68", "84"};
        column.left = 840;
        column.labelLeft = 600;
        column.labelWidth = 240;
        addSearchArray(d, 0, "a( a.Length=10)", 1935, column);
        addSearchScalar(d, {11, "data", 2400, 10, Rect{3240, 720, 1215, 375}, "24"});
        addSearchScalar(d, {13, "p", 2640, 12, Rect{3240, 1200, 1215, 375}, ""});
        addSearchScalar(d, {14, "p1", 2640, 13, Rect{3240, 1680, 1215, 375}, ""});
        addSearchScalar(d, {15, "p2", 2640, 14, Rect{3240, 2160, 1215, 375}, ""});
        addSearchScalar(d, {12, "関数値", 2400, 11, Rect{3240, 2880, 1215, 375}, ""});
        return d;
    }();
    return d;
}

} // namespace

frmBinarySearch::frmBinarySearch() : Lesson(lessonDescription())
{
    aBoxes_ = bindArray(BoxRef{}, v.a.data(), length, "a");
    bind(10, v.data, "data");
    bind(11, v.value, "関数値");
    bind(12, v.p, "p");
    bind(13, v.p1, "p1");
    bind(14, v.p2, "p2");
    resetOnRefresh(aBoxes_);
}

int frmBinarySearch::run(int line, StepEffects&)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.p1 = 0; return 3;
    case 3: v.p2 = length - 1; return 4;
    case 4: return 5;
    case 5: return v.p1 <= v.p2 ? 7 : 12;
    case 6: return 7;
    case 7: v.p = div(add(v.p1, v.p2, "p1 + p2"), 2, "(p1 + p2) / 2"); return 8;
    case 8:
        if (at(v.a, v.p, "a") != v.data)
            return 9;
        v.value = v.p; // return p
        return 13;
    case 9:
        if (at(v.a, v.p, "a") >= v.data)
            return 10;
        v.p1 = add(v.p, 1, "p + 1");
        return 5;
    case 10: v.p2 = sub(v.p, 1, "p - 1"); return 5;
    case 11: return 12;
    case 12: v.value = -1; return 13;
    case 13: return 0;
    }
    return line;
}

std::optional<bool> frmBinarySearch::test(int line) const
{
    switch (line) {
    case 5: return v.p1 <= v.p2;
    case 8: return at(v.a, v.p, "a") == v.data;
    case 9: return at(v.a, v.p, "a") < v.data;
    }
    return std::nullopt;
}

// Red, then blue, then yellow: a later mark covers an earlier one on the same box.
void frmBinarySearch::paintMarks(int line, Marks& marks) const
{
    if (line < 5 || line > 12)
        return;
    marks.paint(aBoxes_, v.p1, colours::red);
    marks.paint(aBoxes_, v.p2, colours::blue);
    if (line >= 8)
        marks.paint(aBoxes_, v.p, colours::yellow);
}
