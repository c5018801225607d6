#pragma once

// A small lesson that uses every feature of the framework once: array, scalar, 32-bit,
// string, multi-line, check box and Text2 bindings, options, "配列値設定", messages,
// the list, Label6, the picture, the cells and lblTable.
#include "lesson/lesson_model.h"

#include <array>
#include <string>

struct ProbeVariables {
    std::array<int, 4> a{}; // three boxes show slots 0 to 2
    int i = 0;
    int big = 0; // 32 bits
    std::string s;
    int flag = 0;
    int t2 = 0;
    std::string multi;
};

inline const LessonDescription& probeDescription()
{
    static const LessonDescription d = [] {
        LessonDescription d = lessonWindow(
            "frmProbe", "probe", 11730, 6120, CommonLayout{},
            {"line 0", "line 1", "line 2", "line 3", "line 4", "line 5"},
            {note({"  zero"}), note({"  one"}), note({"  two", "  more"}), "", "", "", ""},
            {"", "", "  a[i] > 0", "", "", "", ""});
        for (int k = 0; k < 3; ++k)
            addTextBox(d, "Text1", k, std::to_string(k + 1), Rect{600, 720 + 360 * k, 1335, 375});
        addTextBox(d, "Text1", 3, "9", Rect{3120, 720, 1335, 375});
        addTextBox(d, "Text1", 4, "", Rect{3120, 1200, 1335, 375});
        addTextBox(d, "Text1", 5, "text", Rect{3120, 1680, 1335, 375});
        addTextBox(d, "Text1", 6, "", Rect{3120, 2160, 1335, 375});
        addControl(d, Control{"Check1", 0, ControlKind::CheckBox, "", "Frame3", Rect{},
                              std::nullopt, false});
        addControl(
            d, Control{"Option1", -1, ControlKind::Option, "A", {}, Rect{}, std::nullopt, false});
        addControl(
            d, Control{"Option2", -1, ControlKind::Option, "B", {}, Rect{}, std::nullopt, false});
        addButton(d, "Command5", "配列値設定", Rect{9600, 240, 1455, 375});
        addTextBox(d, "Text2", 0, "", Rect{240, 240, 400, 270}, "Frame3");
        addTextBox(d, "Text1", 7, "", Rect{3120, 2640, 1335, 615}, "Frame3", lessonFont(9.75))
            .multiline = true;
        for (int k = 0; k < 3; ++k) {
            addLabel(d, "lblP", k, std::to_string(k), Rect{120 + 360 * k, 5600, 300, 300}, {},
                     std::nullopt);
        }
        addLabel(d, "lblTable", -1, "", Rect{120, 5000, 1000, 400}, {}, std::nullopt);
        addLabel(d, "Label6", -1, "", Rect{2000, 5000, 1000, 400}, {}, std::nullopt);
        addControl(d, Control{"List1",
                              -1,
                              ControlKind::List,
                              "",
                              {},
                              Rect{4000, 5000, 1000, 400},
                              std::nullopt,
                              false});
        addControl(d, Control{"Picture1",
                              -1,
                              ControlKind::Picture,
                              "",
                              {},
                              Rect{5000, 5000, 1000, 400},
                              std::nullopt,
                              false});
        return d;
    }();
    return d;
}

class Probe final : public Lesson<ProbeVariables>
{
public:
    explicit Probe(bool strict = false) : Lesson(probeDescription())
    {
        aBoxes_ = bindArray(BoxRef{}, v.a.data(), 3, "a");
        bind(3, v.i, "i");
        bind(4, v.big, "big", Width::Bits32);
        bind(5, v.s, "s");
        bind(BoxRef{BoxGroup::Check1, 0}, v.flag, "flag");
        bind(BoxRef{BoxGroup::Text2, 0}, v.t2, "t2");
        bind(7, v.multi, "multi");
        resetOnRefresh(aBoxes_);
        fillWithRandomValues(aBoxes_);
        if (strict)
            readStrictlyAtStep();
    }
    const ProbeVariables& variables() const { return v; }

private:
    void beforeLoad() override { panel_.lblTable = "31, 31,\r\n28, 29,\r\n"; }
    int startLine() const override { return panel_.option == 2 ? 0 : 2; }
    int run(int line, StepEffects& fx) override
    {
        switch (line) {
        case 0: return 2;
        case 1: v.s += "*"; return 2;
        case 2: return at(v.a, v.i, "a") > 0 ? 3 : 4;
        case 3:
            fx.message("hello");
            fx.message("again");
            fx.appendList("item");
            fx.setLabel6("board");
            fx.draw(Picture{{DrawOp{DrawOp::Kind::Fill, 0, 0, 1, 1, colours::red}}, {}, 0});
            v.flag = 1;
            v.multi = "*\r\n**\r\n";
            return 4;
        case 4:
            fx.stopAutoRun();
            fx.writeBox(6, "written");
            return 5;
        case 5:
            v.big = checked::mul(v.big, 2, "big * 2", Width::Bits32);
            v.i = checked::add(v.i, 1, "i + 1");
            return 2;
        }
        return line;
    }
    std::optional<bool> test(int line) const override
    {
        if (line == 2)
            return at(v.a, v.i, "a") > 0;
        return std::nullopt;
    }
    void paintMarks(int line, Marks& marks) const override
    {
        if (line == 3) {
            marks.paint(aBoxes_, v.i, colours::red);
            marks.paint(aBoxes_, v.i + 3, colours::blue); // never a box: paints nothing
            marks.paintCell(v.i, colours::red);
        }
    }
    ArrayBoxes aBoxes_;
};
