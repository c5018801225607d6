#include "intro_form.h"

#include "catalog/menus.h"
#include "lesson/colour.h"
#include "lesson/enter_key.h"
#include "lesson/free_place.h"
#include "lesson/qt_convert.h"
#include "lesson/window_zoom.h"
#include "window_registry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace
{

// The icon of the edge rows: four bars being sorted, in the lessons' marking colours.
void drawIcon(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.translate(area.topLeft());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 245));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    const Colour colours[] = {colours::red, colours::yellow, colours::cyan, colours::blue};
    const int heights[] = {9, 15, 20, 25};
    for (int k = 0; k < 4; ++k) {
        painter.setBrush(qt_convert::colour(colours[k]));
        painter.drawRect(QRect(5 + 6 * k, 28 - heights[k], 5, heights[k]));
    }
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    painter.restore();
}

// The title picture: the program's name and what it teaches.
void drawTitle(QPainter& painter, const QRect& area)
{
    painter.save();
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(40, 70, 140));
    fill.setColorAt(1, QColor(20, 40, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(area, 8, 8);
    QFont latin(QStringLiteral("DejaVu Sans"));
    latin.setPixelSize(30);
    latin.setBold(true);
    painter.setFont(latin);
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(area.adjusted(14, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QString::fromUtf8(introScreen().title));
    QFont japanese(qt_convert::text(lessonFont().face));
    japanese.setPixelSize(17);
    japanese.setBold(true);
    painter.setFont(japanese);
    painter.setPen(Qt::white);
    painter.drawText(area.adjusted(0, 0, -14, 0), Qt::AlignVCenter | Qt::AlignRight,
                     QString::fromUtf8(introScreen().subtitle));
    painter.restore();
}

// A small listing with its current line in yellow, as every lesson shows it.
void drawListing(QPainter& painter, const IntroLayout& layout)
{
    painter.save();
    const QRect area = free_place::rect(layout.sketch);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(qt_convert::colour(Colour::buttonFace()));
    painter.drawRect(area);
    const IntroScreen intro = introScreen();
    QFont font(qt_convert::text(lessonFont().face));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    for (int k = 0; k < static_cast<int>(intro.sketch.size()); ++k) {
        const QRect line =
            free_place::rect(layout.sketchLines[static_cast<size_t>(k)]).translated(area.topLeft());
        if (k == intro.sketchCurrent)
            painter.fillRect(line, qt_convert::colour(colours::currentLine));
        painter.setPen(Qt::black);
        painter.drawText(line.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromUtf8(intro.sketch[k]));
    }
    painter.restore();
}

} // namespace

IntroForm::IntroForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    enter_key::install();
    setObjectName(QStringLiteral("frmIntro"));
    setWindowTitle(QStringLiteral("Trevisk"));
    const IntroScreen screen = introScreen();
    setFixedSize(qt_convert::pixels(screen.width), qt_convert::pixels(screen.height));
    auto* start = new QPushButton(QString::fromUtf8(screen.start), this);
    start->setObjectName(QStringLiteral("Command1"));
    auto* end = new QPushButton(QString::fromUtf8(screen.end), this);
    end->setObjectName(QStringLiteral("Command2"));
    const IntroLayout layout = introLayout(screen);
    start->setGeometry(free_place::rect(layout.start));
    end->setGeometry(free_place::rect(layout.end));
    start->setDefault(true);
    start->setFocus();
    connect(start, &QPushButton::clicked, this, &IntroForm::Command1_Click);
    connect(end, &QPushButton::clicked, this, &IntroForm::Command2_Click);
}

void IntroForm::Command1_Click()
{
    window_registry::show(QStringLiteral("frmMain"));
    close();
}

void IntroForm::Command2_Click()
{
    close();
}

void IntroForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn at 100 % and scaled as a whole with the window: the text stays sharp.
    const double zoom = window_zoom::factor(this);
    painter.scale(zoom, zoom);
    const QSize size = window_zoom::baseSize(this);
    const QRect area(QPoint(0, 0), size);
    QLinearGradient background(0, 0, 0, size.height());
    background.setColorAt(0, QColor(235, 242, 252));
    background.setColorAt(1, QColor(205, 220, 240));
    painter.fillRect(area, background);
    painter.setPen(QPen(QColor(40, 70, 140), 2));
    painter.drawRect(area.adjusted(1, 1, -1, -1));

    const IntroLayout layout = introLayout(introScreen());
    for (int k = 0; k < layout.iconCount; ++k) {
        for (const int top : layout.iconTops) {
            drawIcon(painter, QRect(layout.iconLeft + k * (layout.iconSize + layout.iconGap), top,
                                    layout.iconSize, layout.iconSize));
        }
    }
    drawTitle(painter, free_place::rect(layout.title));
    drawListing(painter, layout);
}
