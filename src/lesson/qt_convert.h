#pragma once

#include "added_buttons.h"
#include "colour.h"
#include "description.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

// Conversions between the models' plain types and Qt's: texts, colours, fonts, twips.
namespace qt_convert
{

inline QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

// A stored text as a widget shows it: CR LF line breaks become the widget's LF.
QString shown(std::string_view utf8);
// A widget's text as the model stores it: LF line breaks become CR LF.
std::string stored(const QString& text);

// The system colours follow the application palette (button face, window background).
QColor colour(Colour colour);
// The colour of text on `background`: the palette's on the system colours, black or white
// on a mark (the rule both front ends follow), whatever the palette, so that it reads.
QColor textOn(Colour background);
// A box's background and its text's colour.
void setBoxColours(QWidget* box, Colour background);

// Twips to device-independent pixels (15 twips a pixel at 96 dpi); Qt scales the rest.
inline int pixels(int twips)
{
    return added_buttons::pixels(twips);
}
QRect rect(const Rect& twips);

QFont font(const Font& font);

} // namespace qt_convert
