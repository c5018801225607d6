#pragma once

#include <QHash>
#include <QLabel>
#include <QStaticText>

// A label that reports clicks, shows its text without mnemonics, takes its background from
// its palette and keeps its text laid out between repaints (a step repaints labels far more
// often than their texts change): the listing lines, the note, the condition and the other
// captions of a lesson window.
class LineLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LineLabel(QWidget* parent = nullptr);
    void setBackground(const QColor& colour);
    // Sets the caption (QLabel::text() answers it) and its cached layout.
    void setCaption(const QString& text);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QStaticText& layoutOf(const QString& text);

    // Laid-out texts by caption: the note and condition labels take a few texts again and
    // again, and laying a text out costs more than painting it.
    QHash<QString, QStaticText> layouts_;
    QString caption_;
};
