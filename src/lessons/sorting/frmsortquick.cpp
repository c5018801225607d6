#include "frmsortquick.h"

#include "lesson/random_source.h"
#include "sort_panel.h"

#include <utility>

using checked::add;
using checked::sub;

namespace
{

constexpr int length = 20;

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        CommonLayout layout;
        layout.frame1 = Rect{120, 0, 6615, 5775};
        layout.listingTop = 360;
        layout.listingWidth = 6315; // the heading line is the longest of all listings
        layout.label2 = Rect{120, 5880, 6615, 1575};
        layout.frame3 = Rect{6840, 1800, 4815, 4455};
        sort_panel::placeAutoRun(layout, 6360);
        LessonDescription d = lessonWindow(
            "frmSortQuick", "クイックソート", sort_panel::windowWidth, 7560, layout,
            {
                "private void Quick(ref int [] a,int left, int right)",
                "{",
                " int pleft =left;int pright =right;",
                " int x = a[(pleft + pright) / 2];",
                " Do{",
                "  while(a[pleft]  < x) pleft++;",
                "  while(a[pright] > x) pright--;",
                "  if (pleft <= pright){",
                "    swap(ref a[pleft], ref a[pright]);",
                "    pleft++; pright--",
                "  }",
                " }while (pleft <= pright);",
                " if(left<pright) Quick(ref a, left, pright);",
                " if(pleft<right) Quick(ref a, pleft, right);",
                "}",
            },
            {
                note({"  関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  pleft, prightの初期値を設定します。"}),
                note({"  中央の値をxとします。"}),
                note({"　以下を繰り返します"}),
                note({"  a[pleft]<x の間pleftを", " カウントアップします。"}),
                note({"  a[pright]>x の間 prightを", " カウントダウンします。"}),
                note({"　pleft<=prightのとき"}),
                note({"  a[pleft]とa[pright]を交換し"}),
                note({"　pleftをカウントアップ，", "  prightをカウントダウンします。"}),
                note({""}),
                note({"　pleft<= prightの間上記を繰り返します。"}),
                note({"　left<pright のとき", "  leftとprightの間をソートします。"}),
                note({"　pleft<right のとき", "  pleftとrightの間をソートします。"}),
                note({"　関数の終わりです。"}),
                "",
            },
            {"", "", "", "", "", "  a[pleft]<x", "  a[pright]>x", "  pleft<=pright", "", "", "",
             "  pleft <= pright", "  left  < pright", "  pleft < right", "", ""});
        sort_panel::addFillButton(d);
        sort_panel::addTwentyValueColumns(d, {"a( Length=20)", 1440, 1800, 360, 735, 375});
        sort_panel::addScalars(d, {{21, "left", 2640, 720, 20, Rect{3720, 720, 735, 375}},
                                   {22, "right", 2640, 1200, 21, Rect{3720, 1200, 735, 375}},
                                   {23, "pleft", 2520, 1800, 22, Rect{3720, 1680, 735, 375}},
                                   {24, "pright", 2760, 2280, 23, Rect{3720, 2160, 735, 375}},
                                   {25, "x", 2760, 2760, 24, Rect{3720, 2640, 735, 375}}});
        for (Control& control : d.controls) { // the initial bounds of the outermost call
            if (control.key() == "Text1(20)")
                control.caption = "0";
            if (control.key() == "Text1(21)")
                control.caption = "19";
        }
        return d;
    }();
    return d;
}

} // namespace

frmSortQuick::frmSortQuick() : SortLesson(lessonDescription(), length, "a")
{
    bind(20, v.call.left, "left");
    bind(21, v.call.right, "right");
    bind(22, v.call.pleft, "pleft");
    bind(23, v.call.pright, "pright");
    bind(24, v.call.x, "x");
}

int frmSortQuick::call(int returnLine, int left, int right)
{
    if (v.level >= static_cast<int>(v.frames.size())) {
        throw Fault{"Quick の呼び出しが深すぎます。呼び出しを保存するスタックは 21 段までです。"};
    }
    v.frames[static_cast<size_t>(v.level)] = QuickFrame{v.call, returnLine};
    ++v.level;
    v.call.left = left;
    v.call.right = right;
    return 0;
}

int frmSortQuick::leave()
{
    --v.level;
    const QuickFrame& caller = v.frames[static_cast<size_t>(v.level)];
    v.call = caller.call;
    return caller.returnLine;
}

int frmSortQuick::finish(StepEffects& effects)
{
    effects.message("関数の終了です");
    for (int k = 0; k < length; ++k)
        v.data[static_cast<size_t>(k)] = random_source::nextValue1To99();
    return 0;
}

int frmSortQuick::run(int line, StepEffects& effects)
{
    QuickCall& c = v.call;
    switch (line) {
    case 0: return 1;
    case 1: return 2;
    case 2:
        c.pleft = c.left;
        c.pright = c.right;
        return 3;
    case 3: c.x = at(v.data, add(c.pleft, c.pright, "pleft + pright") / 2, "a"); return 4;
    case 4: return 5;
    case 5:
        if (at(v.data, c.pleft, "a") >= c.x)
            return 6;
        c.pleft = add(c.pleft, 1, "pleft + 1");
        return 5;
    case 6:
        if (at(v.data, c.pright, "a") <= c.x)
            return 7;
        c.pright = sub(c.pright, 1, "pright - 1");
        return 6;
    case 7: return c.pleft <= c.pright ? 8 : 10;
    case 8: std::swap(at(v.data, c.pleft, "a"), at(v.data, c.pright, "a")); return 9;
    case 9:
        c.pleft = add(c.pleft, 1, "pleft + 1");
        c.pright = sub(c.pright, 1, "pright - 1");
        return 10;
    case 10: return 11;
    case 11: return c.pleft <= c.pright ? 4 : 12;
    case 12: return c.left < c.pright ? call(13, c.left, c.pright) : 13;
    case 13: return c.pleft < c.right ? call(14, c.pleft, c.right) : 14;
    case 14: return v.level > 0 ? leave() : finish(effects);
    }
    return line;
}

std::optional<bool> frmSortQuick::test(int line) const
{
    const QuickCall& c = v.call;
    switch (line) {
    case 5: return at(v.data, c.pleft, "a") < c.x;
    case 6: return at(v.data, c.pright, "a") > c.x;
    case 7:
    case 11: return c.pleft <= c.pright;
    case 12: return c.left < c.pright;
    case 13: return c.pleft < c.right;
    }
    return std::nullopt;
}

void frmSortQuick::paintMarks(int line, Marks& marks) const
{
    const QuickCall& c = v.call;
    marks.paint(dataBoxes_, c.left, colours::red);
    marks.paint(dataBoxes_, c.right, colours::blue);
    if (line < 3)
        return;
    marks.paint(dataBoxes_, c.pleft, colours::orange);
    marks.paint(dataBoxes_, c.pright, colours::skyBlue);
    // The middle of the range, as the 16-bit sum left + right gives it; a sum out of range
    // designates no box.
    const int sum = c.left + c.right;
    if (sum >= -32768 && sum <= 32767)
        marks.paint(dataBoxes_, sum / 2, colours::cyan);
}
