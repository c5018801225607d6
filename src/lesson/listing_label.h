#pragma once

#include <QLabel>

// A label that reports clicks, shows its text without mnemonics and takes its background
// from its palette: the listing lines, and the other clickable captions of a lesson window.
class LineLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LineLabel(QWidget* parent = nullptr);
    void setBackground(const QColor& colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
