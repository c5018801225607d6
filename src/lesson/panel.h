#pragma once

#include "colour.h"
#include "drawing.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class BoxGroup : unsigned char { Text1, Text2, Check1, Check2, Check3 };

// The control arrays of value boxes and check boxes by name.
inline constexpr std::pair<std::string_view, BoxGroup> boxGroupNames[] = {
    {"Text1", BoxGroup::Text1},   {"Text2", BoxGroup::Text2},   {"Check1", BoxGroup::Check1},
    {"Check2", BoxGroup::Check2}, {"Check3", BoxGroup::Check3},
};

// The group of the control array `name` ("Text1", "Text2", "Check1" ... "Check3"), if it is one.
inline std::optional<BoxGroup> boxGroupOf(std::string_view name)
{
    for (const auto& [groupName, group] : boxGroupNames) {
        if (groupName == name)
            return group;
    }
    return std::nullopt;
}

// "Text1", "Check2", ...: the name of a group's control array.
inline std::string_view boxGroupName(BoxGroup group)
{
    return boxGroupNames[static_cast<size_t>(group)].first;
}

// A value box or check box: its control array and index.
struct BoxRef {
    BoxGroup group = BoxGroup::Text1;
    int index = 0;
};

// One value box (Text1 or Text2 element) as the window shows it.
struct Box {
    bool exists = false;
    std::string text;
    Colour colour = Colour::window();
    // False while the text is exactly what the refresh last wrote from its variable
    // (then `written` holds that value and reading the box needs no parsing).
    bool edited = true;
    long long written = 0;
};

struct AutoRunTimer {
    bool enabled = false;
    int interval = 0; // milliseconds
};

// The state of a lesson window exactly as it is shown: the highlighted line, note and
// condition captions, every box text and colour, the extra display controls and the
// timer. The model owns it; the window copies edits into it and repaints from it.
struct Panel {
    int highlight = 0; // the listing line painted yellow
    std::string note;
    std::string condition;
    std::vector<Box> text1;
    std::vector<Box> text2;
    std::array<std::vector<int>, 3> checks; // Check1, Check2, Check3 values (0 or 1)
    int option = 0;                         // selected option button (0: the window has none)
    std::vector<Colour> cells;              // lblP(0) ... lblP(9)
    std::string label6;
    std::string lblTable;
    std::vector<std::string> list; // List1 items
    Picture picture;               // what Picture1 shows
    std::string txtTime = "500";
    AutoRunTimer timer;
};
