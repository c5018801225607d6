#include "qt_convert.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace qt_convert
{

QString shown(std::string_view utf8)
{
    QString result = text(utf8);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

std::string stored(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return result.toStdString();
}

QColor colour(Colour colour)
{
    if (colour == Colour::buttonFace())
        return QApplication::palette().color(QPalette::Button);
    if (colour == Colour::window())
        return QApplication::palette().color(QPalette::Base);
    return QColor(static_cast<int>(colour.red()), static_cast<int>(colour.green()),
                  static_cast<int>(colour.blue()));
}

QColor textOn(Colour background)
{
    if (background == Colour::window())
        return QApplication::palette().color(QPalette::Text);
    if (background.isSystem())
        return QApplication::palette().color(QPalette::WindowText);
    return colour(colours::lightTextOn(background) ? colours::white : colours::black);
}

void setBoxColours(QWidget* box, Colour background)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour(background));
    p.setColor(QPalette::Text, textOn(background));
    box->setPalette(p);
}

QRect rect(const Rect& twips)
{
    return QRect(pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height));
}

QFont font(const Font& font)
{
    QFont result(text(font.face));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setStyleHint(QFont::TypeWriter);
    return result;
}

} // namespace qt_convert
