#include "frmsortshellextinc.h"

#include "shell_sort_lesson.h"
#include "sort_panel.h"

namespace
{

const LessonDescription& lessonDescription()
{
    static const LessonDescription d = [] {
        CommonLayout layout;
        layout.frame1 = Rect{120, 120, 6615, 2895};
        layout.label2 = Rect{120, 3120, 6615, 1575};
        layout.frame3 = Rect{6840, 1920, 4815, 1815};
        sort_panel::placeAutoRun(layout, 3840);
        LessonDescription d =
            lessonWindow("frmSortShellExtInc", "シェルソート", 11730, 4800, layout,
                         {
                             "private int 改良シェルソート増分値(int N)",
                             "{",
                             " int h;",
                             " for(h=1; h < N/9; h = h*3+1);",
                             " return h",
                             "}",
                         },
                         {
                             note({"  関数の宣言です。(Nは配列の大きさ)"}),
                             note({"  関数の本体の先頭です。"}),
                             note({"  ローカル変数の宣言です。"}),
                             note({"  最初 h=1として，", "  h=h*3+1の計算をしながら",
                                   "   h<N/9のあいだ繰り返します。"}),
                             note({"　hを関数値とします。"}),
                             note({"　関数の終わりです。"}),
                         },
                         {"", "", "", "  h < N/9", "", ""});
        const struct {
            const char* caption;
            int labelLeft;
            int labelTop;
            int boxTop;
            const char* text;
        } boxes[] = {{"N", 720, 360, 240, "30"},
                     {"h", 720, 840, 720, "0"},
                     {"関数値", 360, 1320, 1200, "0"}};
        int index = 0;
        for (const auto& box : boxes) {
            addLabel(d, "Label4", index, box.caption,
                     Rect{box.labelLeft, box.labelTop, 1680 - box.labelLeft, 255});
            addTextBox(d, "Text1", index, box.text, Rect{1680, box.boxTop, 1335, 375});
            ++index;
        }
        return d;
    }();
    return d;
}

} // namespace

frmSortShellExtInc::frmSortShellExtInc() : Lesson(lessonDescription())
{
    bind(0, v.n, "N");
    bind(1, v.h, "h");
    bind(2, v.value, "関数値");
}

bool frmSortShellExtInc::below() const
{
    return v.h < checked::div(v.n, 9, "N/9");
}

int frmSortShellExtInc::run(int line, StepEffects& effects)
{
    switch (line) {
    case 0:
    case 1: return 2;
    case 2: v.h = 1; return 3;
    case 3: // the whole for with its empty body: one term a step
        if (!below())
            return 4;
        v.h = nextIncrement(v.h);
        return 3;
    case 4: v.value = v.h; return 5;
    case 5: effects.message("関数終わり"); return 0;
    }
    return line;
}

std::optional<bool> frmSortShellExtInc::test(int line) const
{
    return line == 3 ? std::optional<bool>(below()) : std::nullopt;
}
