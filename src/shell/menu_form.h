#pragma once

#include "catalog/menus.h"

#include <QWidget>

// A menu window: a title and a column of buttons, each opening one window or code
// listing. It keeps no state; closing the main menu ends the program.
class MenuForm : public QWidget
{
    Q_OBJECT
public:
    explicit MenuForm(const MenuTable& menu, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command_Click(const MenuButton& button);

    const MenuTable& menu_;
};
