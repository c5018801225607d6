#pragma once

#include "mark_shapes.h"

#include <QLineEdit>

// A lesson's one-line value box: a line edit that draws the shape of its mark over its
// colour when the marks are shown beyond colour, keeping its text clear of the shape.
class ValueBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ValueBox(QWidget* parent = nullptr);

    void setMark(mark_shapes::Shape shape);
    mark_shapes::Shape mark() const { return mark_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void keepTextClear();

    mark_shapes::Shape mark_ = mark_shapes::Shape::None;
};
