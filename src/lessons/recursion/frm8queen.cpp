#include "frm8queen.h"

#include <algorithm>

using checked::add;

namespace
{

// The level box is written by the call and return steps only, never read.
constexpr int levelBox = 3;
constexpr int size = 8;
constexpr int diagonals = 15;

// Listing labels: lines 4, 10 and 12 hold two text lines.
bool twoLines(int line)
{
    return line == 4 || line == 10 || line == 12;
}

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        CommonLayout layout;
        layout.frame1 = {120, 120, 6375, 5175};
        layout.label2 = {120, 5400, 6375, 1695};
        layout.frame2 = {6720, 720, 3945, 855};
        layout.label3 = {120, 240, 3705, 555};
        layout.frame3 = {6720, 2520, 1695, 2295};
        layout.frame3Caption = "Queen";
        layout.command3 = {8400, 6000, 900, 375};
        layout.command4 = {9360, 6000, 1305, 375};
        layout.label5 = {8400, 6540, 1035, 255};
        layout.txtTime = {9480, 6510, 975, 270};
        LessonDescription d = lessonWindow(
            "frm8Queen", "８王妃問題", 10785, 7455, layout,
            {
                "private void Queen(int i)",
                "{ ",
                " for (int j =0; j<8; j++)",
                " {",
                "   if(!行配置済み[j] && !対角配置済みA[i+j] &&\r\n      !対角配置済みB[i-j+7]) ",
                "   {",
                "    列位置[i]=j;",
                "    if (i==7) 表示();",
                "    Else",
                "    {",
                "     行配置済み[j]=対角配置済みA[i+j]\r\n                  "
                "=対角配置済みB[i-j+7]=true;",
                "     Queen(i+1);",
                "     行配置済み[j]=対角配置済みA[i+j]\r\n                  "
                "=対角配置済みB[i-j+7]=false;",
                "   }",
                "  }",
                " }",
                "}",
            },
            {
                note({"  Queen 関数の宣言です。"}),
                note({"  関数の本体の先頭です。"}),
                note({"  j=0としてj<8の間繰り返します。"}),
                note({""}),
                note({"  行配置済み[j]，対角配置済みA[i+j]，", "",
                      "  対角配置済みB[i-j+7]がすべて false のとき) "}),
                note({""}),
                note({"  列位置[i]をjとします。"}),
                note({"  i=7のとき解が求められたとして表示します。"}),
                note({"\u3000i=7でないとき"}),
                note({""}),
                note({"  j行目に配置したものとして"}),
                note({"  Queenを再帰呼び出しします。"}),
                note({"  j行目配置を解除します。"}),
                note({""}),
                note({""}),
                note({""}),
                note({"  関数の本体の最後です。"}),
                "",
            },
            {"", "", " j<8", "", " 配置済みでないかどうかの判定", "", "", " i==7", "", "", "", "",
             "", "", "", "", ""});
        d.listingFont = lessonFont(9.75);
        int top = 240; // one text line is 240 twips; a label reaches 15 twips into the next
        for (ListingLabel& label : d.listing) {
            const int height = twoLines(label.index) ? 495 : 255;
            label.rect = Rect{240, top, 5895, height};
            top += height - 15;
        }
        for (Control& control : d.controls) {
            if (control.name == "Label3")
                control.multiline = true; // " : False" wraps below the long condition
        }

        const struct {
            const char* caption;
            int top;
            const char* text;
        } scalars[] = {
            {"i", 360, "0"}, {"j", 720, "0"}, {"解番号", 1320, "0"}, {"呼出し", 1800, ""}};
        for (int k = 0; k < 4; ++k) {
            const auto& s = scalars[k];
            addLabel(d, "Label4", k, s.caption, Rect{120, s.top + 60, 780, 255}, "Frame3",
                     lessonFont(9.75));
            addTextBox(d, "Text1", k, s.text, Rect{960, s.top, 615, 375});
        }

        addFrame(d, "Frame5", -1, "列位置", Rect{7320, 1680, 3375, 735});
        for (int k = 0; k < size; ++k)
            addTextBox(d, "Text2", k, "", Rect{240 + 360 * k, 240, 400, 270}, "Frame5");
        const struct {
            int frame;
            const char* caption;
            Rect rect;
            const char* checks;
            int count;
        } flags[] = {{1, "行配置済み", {8520, 2520, 2175, 735}, "Check1", size},
                     {0, "対角配置済みA", {8520, 3360, 2175, 1215}, "Check2", diagonals},
                     {2, "対角配置済みB", {8520, 4680, 2175, 1215}, "Check3", diagonals}};
        for (const auto& f : flags) {
            const Control& frame = addFrame(d, "Frame4", f.frame, f.caption, f.rect);
            const std::string container = frame.key();
            for (int k = 0; k < f.count; ++k) {
                addControl(d, Control{f.checks, k, ControlKind::CheckBox, "", container,
                                      Rect{120 + 240 * (k % 8), k < 8 ? 360 : 720, 255, 255},
                                      std::nullopt, false});
            }
        }
        // The board's nine text lines (the first one empty) fit in a fixed-width 8.5 point face.
        addLabel(d, "Label6", -1, "", Rect{6720, 5040, 1575, 1695}, {},
                 Font{"ＭＳ ゴシック", 8.5, false});
        return d;
    }();
    return d;
}

} // namespace

frm8Queen::frm8Queen() : Lesson(lessonDescription())
{
    bind(0, v.i, "i");
    bind(1, v.j, "j");
    bind(2, v.solutions, "解番号");
    // The call level: shown by the call and return steps themselves, never read; bound so
    // that it has a name and a column in the trace.
    Binding& level = bind(levelBox, v.stack.level, "呼出し");
    level.read = false;
    level.write = false;
    bindArray(BoxRef{BoxGroup::Text2, 0}, v.column.data(), size, "列位置");
    bindArray(BoxRef{BoxGroup::Check1, 0}, v.row.data(), size, "行配置済み");
    bindArray(BoxRef{BoxGroup::Check2, 0}, v.sum.data(), diagonals, "対角配置済みA");
    bindArray(BoxRef{BoxGroup::Check3, 0}, v.diff.data(), diagonals, "対角配置済みB");
}

void frm8Queen::reset()
{
    v.stack.level = 0;
    v.i = 0;
    v.j = 0;
    v.solutions = 0;
    std::fill_n(v.column.begin(), size, 0);
    std::fill_n(v.row.begin(), size, 0);
    std::fill_n(v.sum.begin(), diagonals, 0);
    std::fill_n(v.diff.begin(), diagonals, 0);
}

void frm8Queen::afterLoad(StepEffects&)
{
    reset();
}

void frm8Queen::restart(StepEffects&)
{
    reset();
    line_ = 0;
}

bool frm8Queen::squareIsFree() const
{
    // Edited i or j can point outside the arrays; at() refuses them with the index.
    return at(v.sum, v.i + v.j, "対角配置済みA") == 0 && at(v.row, v.j, "行配置済み") == 0 &&
           at(v.diff, v.i - v.j + 7, "対角配置済みB") == 0;
}

void frm8Queen::place(int value)
{
    at(v.row, v.j, "行配置済み") = value;
    at(v.sum, v.i + v.j, "対角配置済みA") = value;
    at(v.diff, v.i - v.j + 7, "対角配置済みB") = value;
}

void frm8Queen::showSolution(StepEffects& effects)
{
    v.solutions = add(v.solutions, 1, "解番号 + 1");
    std::string board;
    for (int r = 0; r < size; ++r) {
        board += "\r\n";
        for (int c = 0; c < size; ++c)
            board += v.column[static_cast<size_t>(r)] == c ? "●" : "□";
    }
    effects.setLabel6(std::move(board));
    effects.message("解番号");
}

int frm8Queen::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
        if (v.stack.level == 0)
            reset();
        v.j = 0;
        return 2;
    case 1: v.j = 0; return 2;
    case 2: return v.j < size ? 4 : 16;
    case 3: return 4;
    case 4: return squareIsFree() ? 6 : 15;
    case 5: return 6;
    case 6: at(v.column, v.i, "列位置") = v.j; return 7;
    case 7:
        if (v.i != 7)
            return 10;
        showSolution(effects);
        return 14;
    case 8:
    case 9: return 10;
    case 10: place(1); return 11;
    case 11:
        if (!v.stack.call({v.i, v.j}, effects, levelBox))
            return 16;
        v.i = add(v.i, 1, "i+1");
        return 0;
    case 12: place(0); return 14;
    case 13:
    case 14: return 15;
    case 15: v.j = add(v.j, 1, "j++"); return 2;
    case 16: {
        QueenStack::Frame caller{};
        if (!v.stack.ret(caller, effects, levelBox)) {
            effects.message("関数実行終わり");
            return 0;
        }
        v.i = caller[0];
        v.j = caller[1];
        return 12;
    }
    }
    return line;
}

std::optional<bool> frm8Queen::test(int line) const
{
    switch (line) {
    case 2: return v.j < size;
    case 4: return squareIsFree();
    case 7: return v.i == 7;
    }
    return std::nullopt;
}
