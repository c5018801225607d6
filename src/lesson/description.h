#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A position and size in twips (1/1440 inch), relative to the window's client area or to
// the frame that holds the control.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string face;
    double size = 12;
    bool bold = true;
};

// The fixed-width Japanese face of the listings, notes and value boxes, at `size` points, bold.
Font lessonFont(double size = 12);

enum class ControlKind { Frame, Label, TextBox, Button, Option, CheckBox, List, Picture, Timer };

// One control of a lesson window as the lesson declares it.
struct Control {
    std::string name; // "Text1", "Label4", "Frame3", "Command5", ...
    int index = -1;   // element of a control array, or -1
    ControlKind kind = ControlKind::Label;
    std::string caption;   // frames, labels, buttons, options; the initial text of a text box
    std::string container; // key of the frame holding it ("Frame3", "Frame4(1)"); empty: the window
    Rect rect;
    std::optional<Font> font; // unset: the window's default font
    bool multiline = false;   // text boxes that show line breaks; labels that wrap their text

    // "Text1(3)" for an array element, "Frame3" otherwise.
    std::string key() const;
};

// One source-line label, Label1(index), inside Frame1.
struct ListingLabel {
    int index = 0;
    std::string text;
    Rect rect;
};

// Everything a lesson window is built from: caption, size, listing, notes, conditions and
// every control besides the listing labels. LessonForm builds its widgets from it and
// lesson-console prints it; neither adds anything of its own.
struct LessonDescription {
    std::string form;
    std::string caption;
    int width = 0; // client area, twips
    int height = 0;
    std::vector<ListingLabel> listing;
    Font listingFont = lessonFont();
    std::vector<std::string> notes;      // N entries, as stored (with their leading CR LF)
    std::vector<std::string> conditions; // N entries
    std::vector<Control> controls;

    // One more than the highest Label1 index.
    int listingCount() const;
    const Control* find(std::string_view name, int index = -1) const;
    bool has(std::string_view name) const;
    // Highest index of a control array plus one (0 when the window has none).
    int arraySize(std::string_view name) const;
    // Where `control` stands in the window's client area (its frames' places added).
    Rect inWindow(const Control& control) const;
    // The caption of the Label4 on the row of `box` and left of it (the nearest one), or "":
    // what names a value box that no variable is bound to.
    std::string captionLeftOf(const Control& box) const;
};

// Positions of the controls every lesson window has, in twips. The defaults are the
// reference layout of the array total lesson; lessons change what differs.
struct CommonLayout {
    Rect frame1{120, 120, 6615, 4215};
    Rect label2{120, 4440, 6615, 1575};
    Rect command1{7560, 240, 735, 375};
    Rect command2{8400, 240, 1095, 375};
    Rect frame2{6840, 720, 4815, 855};
    Rect label3{120, 360, 4455, 375};
    Rect frame3{6840, 1680, 4815, 3255};
    Rect command3{6840, 5040, 1095, 375};
    Rect command4{8040, 5040, 1575, 375};
    Rect label5{7440, 5520, 1095, 255};
    Rect txtTime{8400, 5520, 975, 270};
    std::string frame3Caption = "値";
    // Listing labels: Label1(k) at (left, top + step * k), width x height.
    int listingLeft = 240;
    int listingTop = 240;
    int listingStep = 360;
    int listingWidth = 6135;
    int listingHeight = 255;
};

// The reference layout made `extra` twips taller for a longer listing or a taller variables
// panel: the source and variables panels grow by `extra`, the note label and the auto-run
// controls move down by as much. The window's height grows by `extra` too.
CommonLayout tallerLayout(int extra);

// A lesson window with the common controls placed by `layout`, the listing laid out as one
// label a line, and the notes and conditions as given.
LessonDescription lessonWindow(std::string form, std::string caption, int width, int height,
                               const CommonLayout& layout, const std::vector<std::string>& listing,
                               std::vector<std::string> notes, std::vector<std::string> conditions);

// Builders for the controls of a variables panel; each returns the control it added.
Control& addControl(LessonDescription& d, Control control);
Control& addFrame(LessonDescription& d, std::string name, int index, std::string caption, Rect rect,
                  std::string container = {});
Control& addLabel(LessonDescription& d, std::string name, int index, std::string caption, Rect rect,
                  std::string container = "Frame3", std::optional<Font> font = lessonFont());
Control& addButton(LessonDescription& d, std::string name, std::string caption, Rect rect,
                   std::string container = {});
Control& addTextBox(LessonDescription& d, std::string name, int index, std::string text, Rect rect,
                    std::string container = "Frame3", std::optional<Font> font = lessonFont());

// A value box with its caption (a Label4 element) to its left, on the same row.
struct CaptionedBox {
    int labelIndex;
    std::string caption;
    int labelLeft;
    int box;
    std::string text; // initial text
    Rect rect;        // the box
    std::string container = "Frame3";
    int labelWidth = 0; // 0: up to the box
};
void addCaptionedBox(LessonDescription& d, const CaptionedBox& box);

// Captioned boxes one below the other in Frame3: the first box at `first`, each next one
// `step` twips lower, every caption at `labelLeft` on its box's row.
struct ColumnRow {
    int labelIndex;
    std::string caption;
    int box;
    std::string text; // initial text
};
void addCaptionedColumn(LessonDescription& d, const std::vector<ColumnRow>& rows, int labelLeft,
                        Rect first, int step);

// A column of array boxes Text1(firstBox ...) at `left`, from `top` down by `step`, each
// with its index caption (the Label4 elements `labelIndices`, captions "0", "1", ...) at
// `labelLeft`.
struct ArrayColumn {
    int firstBox = 0;
    int firstElement = 0; // caption of the first index label
    std::vector<int> labelIndices;
    std::vector<std::string> texts; // initial texts, one per box
    int left = 600;
    int top = 720;
    int step = 360;
    int width = 1335;
    int height = 375;
    int labelLeft = 360;
    int labelWidth = 240;
    int labelDrop = 60; // the caption's top below its box's top, so the two line up
    std::string container = "Frame3";
};
void addArrayColumn(LessonDescription& d, const ArrayColumn& column);

// A line note as stored: a CR LF before each part ("\r\n  part one\r\n  part two").
std::string note(std::initializer_list<std::string_view> parts);
