#pragma once

#include <QWidget>

// The opening screen: a borderless window with the title picture, rows of icons along the
// top and bottom edges, and the buttons "開始" and "終了".
class IntroForm : public QWidget
{
    Q_OBJECT
public:
    explicit IntroForm(QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
};
