#include "window_words.h"

#include <cctype>

namespace window_words
{

std::string lineDescription(int line, bool current)
{
    return std::to_string(line) + (current ? "行目、次に実行する行" : "行目");
}

std::string hint(const Shortcut& shortcut)
{
    return std::string(shortcut.what) + " (" + std::string(shortcut.shown) + ")";
}

std::string keyList(const Shortcut& shortcut)
{
    std::string list;
    for (const Key& key : shortcut.keys) {
        if (key.name.empty())
            continue;
        if (!list.empty())
            list += ' ';
        if (key.ctrl)
            list += "Control+";
        std::string name(key.name);
        if (name.size() == 1)
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        list += name;
    }
    return list;
}

const Shortcut* shortcutOf(std::string_view button)
{
    for (const Shortcut& shortcut : shortcuts) {
        if (shortcut.button == button)
            return &shortcut;
    }
    return nullptr;
}

} // namespace window_words
