#pragma once

#include "mark_shapes.h"

#include <QAccessible>
#include <QHash>
#include <QLabel>
#include <QPixmapCache>

#include <QStaticText>
#include <array>

// A label that reports clicks, shows its text without mnemonics, takes its background from
// its palette and keeps its text laid out between repaints (a step repaints labels far more
// often than their texts change): the listing lines, the note, the condition and the other
// captions of a lesson window.
//
// A caption shown again is painted from a picture of the whole label (background, frame and
// text) kept in QPixmapCache: copying it costs far less than drawing its glyphs again. The
// picture holds exactly what the direct painting draws, so either way the label looks the same.
//
// For screen readers it is named by its caption, or by `emptyName` while the caption is
// empty (a label inside a frame would otherwise borrow the frame's title). A label that
// takes the focus draws a focus frame; a listing line with the focus also answers Enter and
// Space (as a click) and the up and down arrows (moveRequested).
class LineLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LineLabel(QWidget* parent = nullptr);
    ~LineLabel() override;
    void setBackground(const QColor& colour);
    // The background and the colour of the text on it.
    void setColours(const QColor& background, const QColor& text);
    // The shape drawn over the background when marks are shown beyond colour.
    void setMark(mark_shapes::Shape shape);
    mark_shapes::Shape mark() const { return mark_; }
    // Sets the caption (QLabel::text() answers it) and its cached layout.
    void setCaption(const QString& text);

    // What a screen reader reads: the caption, or the empty name while there is none.
    QString spokenName() const;
    void setEmptyName(const QString& name) { emptyName_ = name; }
    QAccessible::Role accessibleRole() const { return role_; }
    // A line that can be clicked from the keyboard and by its accessible action.
    void makeActivatable(QAccessible::Role role);
    bool isActivatable() const { return activatable_; }

signals:
    void clicked();
    void moveRequested(int delta);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a picture of the label depends on besides its caption, font and size.
    struct Look {
        QRgb background = 0;
        QRgb pen = 0;
        qreal ratio = 0;
        int flags = 0; // alignment, word wrap, enabled, focus, active window
        int frame = 0;
        QRect area;
        mark_shapes::Shape mark = mark_shapes::Shape::None; // drawn with the text
        qreal zoom = 1;
        bool operator==(const Look&) const = default;
    };
    struct Picture {
        Look look;
        QPixmapCache::Key key;
    };
    struct Laid {
        QStaticText text;
        qreal width = -1;   // the width it was laid out for: -1 unwrapped
        bool shown = false; // painted once already: worth a picture when it comes again
        // Its pictures in QPixmapCache (which may drop them): a listing line shows its
        // caption on two backgrounds, the current line's and the others'.
        std::array<Picture, 2> pictures;
    };
    Laid& layoutOf(const QString& text);
    void forgetLayouts();
    Look look(const QColor& background) const;
    // Background, frame and caption, as the label shows them without the focus frame.
    void paintContents(QPainter& painter, const QStaticText& layout);
    // The picture of paintContents for this caption and look, made when not kept.
    QPixmap picture(Laid& laid, const QColor& background);

    // Laid-out texts by caption: the note and condition labels take a few texts again and
    // again, and laying a text out costs more than painting it.
    QHash<QString, Laid> layouts_;
    QString caption_;
    QString emptyName_;
    QAccessible::Role role_ = QAccessible::StaticText;
    mark_shapes::Shape mark_ = mark_shapes::Shape::None;
    bool activatable_ = false;
};
