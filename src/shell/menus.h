#pragma once

#include <QString>

#include <vector>

// One button of a menu: its control name, caption, the row it stands on (two buttons may
// share a row, left first) and what it opens: a form, or a code listing ("listing:a").
struct MenuButton {
    const char* name;
    const char* caption;
    const char* target;
    int row;
};

// A menu window: its form name, window title, client size in twips (a height of 0 fits
// the rows of buttons) and its buttons.
struct MenuTable {
    const char* form;
    const char* title;
    int width;
    int height;
    std::vector<MenuButton> buttons;
};

// The menu of `form`, or nullptr when `form` is not a menu.
const MenuTable* findMenu(const QString& form);
const std::vector<MenuTable>& allMenus();
