#include "description.h"

#include <algorithm>
#include <cstdlib>

Font lessonFont(double size)
{
    return Font{"ＭＳ ゴシック", size, true};
}

std::string Control::key() const
{
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

int LessonDescription::listingCount() const
{
    int count = 0;
    for (const ListingLabel& label : listing)
        count = std::max(count, label.index + 1);
    return count;
}

const Control* LessonDescription::find(std::string_view name, int index) const
{
    for (const Control& control : controls) {
        if (control.name == name && control.index == index)
            return &control;
    }
    return nullptr;
}

Rect LessonDescription::inWindow(const Control& control) const
{
    Rect rect = control.rect;
    std::string container = control.container;
    for (int depth = 0; !container.empty() && depth < 8; ++depth) {
        const auto frame = std::find_if(controls.begin(), controls.end(),
                                        [&](const Control& c) { return c.key() == container; });
        if (frame == controls.end())
            break;
        rect.left += frame->rect.left;
        rect.top += frame->rect.top;
        container = frame->container;
    }
    return rect;
}

std::string LessonDescription::captionLeftOf(const Control& box) const
{
    // A caption ends at most a few pixels right of the box's left edge and is centred
    // within a box's height of the box's centre.
    constexpr int slack = 60;
    const Rect b = inWindow(box);
    const int centre = b.top + b.height / 2;
    int best = -1;
    std::string caption;
    for (const Control& label : controls) {
        if (label.name != "Label4")
            continue;
        const Rect r = inWindow(label);
        const int right = r.left + r.width;
        if (right <= b.left + slack && std::abs(r.top + r.height / 2 - centre) < b.height &&
            right > best) {
            best = right;
            caption = label.caption;
        }
    }
    return caption;
}

bool LessonDescription::has(std::string_view name) const
{
    return std::any_of(controls.begin(), controls.end(),
                       [&](const Control& c) { return c.name == name; });
}

int LessonDescription::arraySize(std::string_view name) const
{
    int size = 0;
    for (const Control& control : controls) {
        if (control.name == name)
            size = std::max(size, control.index + 1);
    }
    return size;
}

Control& addControl(LessonDescription& d, Control control)
{
    d.controls.push_back(std::move(control));
    return d.controls.back();
}

Control& addFrame(LessonDescription& d, std::string name, int index, std::string caption, Rect rect,
                  std::string container)
{
    return addControl(d, Control{std::move(name), index, ControlKind::Frame, std::move(caption),
                                 std::move(container), rect, std::nullopt, false});
}

Control& addLabel(LessonDescription& d, std::string name, int index, std::string caption, Rect rect,
                  std::string container, std::optional<Font> font)
{
    return addControl(d, Control{std::move(name), index, ControlKind::Label, std::move(caption),
                                 std::move(container), rect, std::move(font), false});
}

Control& addButton(LessonDescription& d, std::string name, std::string caption, Rect rect,
                   std::string container)
{
    return addControl(d, Control{std::move(name), -1, ControlKind::Button, std::move(caption),
                                 std::move(container), rect, std::nullopt, false});
}

Control& addTextBox(LessonDescription& d, std::string name, int index, std::string text, Rect rect,
                    std::string container, std::optional<Font> font)
{
    return addControl(d, Control{std::move(name), index, ControlKind::TextBox, std::move(text),
                                 std::move(container), rect, std::move(font), false});
}

CommonLayout tallerLayout(int extra)
{
    CommonLayout layout;
    layout.frame1.height += extra;
    layout.frame3.height += extra;
    for (Rect* moved :
         {&layout.label2, &layout.command3, &layout.command4, &layout.label5, &layout.txtTime})
        moved->top += extra;
    return layout;
}

LessonDescription lessonWindow(std::string form, std::string caption, int width, int height,
                               const CommonLayout& layout, const std::vector<std::string>& listing,
                               std::vector<std::string> notes, std::vector<std::string> conditions)
{
    LessonDescription d;
    d.form = std::move(form);
    d.caption = std::move(caption);
    d.width = width;
    d.height = height;
    for (size_t k = 0; k < listing.size(); ++k) {
        const int top = layout.listingTop + layout.listingStep * static_cast<int>(k);
        d.listing.push_back(
            ListingLabel{static_cast<int>(k), listing[k],
                         Rect{layout.listingLeft, top, layout.listingWidth, layout.listingHeight}});
    }
    d.notes = std::move(notes);
    d.conditions = std::move(conditions);

    addFrame(d, "Frame1", -1, "ソースプログラム", layout.frame1);
    addLabel(d, "Label2", -1, "", layout.label2, {});
    addButton(d, "Command1", "進む", layout.command1);
    addButton(d, "Command2", "先頭に戻る", layout.command2);
    addFrame(d, "Frame2", -1, "条件", layout.frame2);
    addLabel(d, "Label3", -1, "", layout.label3, "Frame2");
    addFrame(d, "Frame3", -1, layout.frame3Caption, layout.frame3);
    addButton(d, "Command3", "自動実行", layout.command3);
    addButton(d, "Command4", "自動実行停止", layout.command4);
    addLabel(d, "Label5", -1, "タイマ間隔", layout.label5, {}, std::nullopt);
    addTextBox(d, "txtTime", -1, "500", layout.txtTime, {}, std::nullopt);
    addControl(d, Control{"Timer1", -1, ControlKind::Timer, "", {}, Rect{}, std::nullopt, false});
    return d;
}

void addCaptionedBox(LessonDescription& d, const CaptionedBox& box)
{
    const int width = box.labelWidth > 0 ? box.labelWidth : box.rect.left - box.labelLeft - 60;
    addLabel(d, "Label4", box.labelIndex, box.caption,
             Rect{box.labelLeft, box.rect.top + 60, width, 255}, box.container);
    addTextBox(d, "Text1", box.box, box.text, box.rect, box.container);
}

void addCaptionedColumn(LessonDescription& d, const std::vector<ColumnRow>& rows, int labelLeft,
                        Rect first, int step)
{
    Rect rect = first;
    for (const ColumnRow& row : rows) {
        addCaptionedBox(d, {row.labelIndex, row.caption, labelLeft, row.box, row.text, rect});
        rect.top += step;
    }
}

void addArrayColumn(LessonDescription& d, const ArrayColumn& column)
{
    for (size_t k = 0; k < column.texts.size(); ++k) {
        const int top = column.top + column.step * static_cast<int>(k);
        if (k < column.labelIndices.size()) {
            addLabel(d, "Label4", column.labelIndices[k],
                     std::to_string(column.firstElement + static_cast<int>(k)),
                     Rect{column.labelLeft, top + column.labelDrop, column.labelWidth, 255},
                     column.container);
        }
        addTextBox(d, "Text1", column.firstBox + static_cast<int>(k), column.texts[k],
                   Rect{column.left, top, column.width, column.height}, column.container);
    }
}

std::string note(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts) {
        text += "\r\n";
        text += part;
    }
    return text;
}
