#include "fonts.h"

#include <QFont>
#include <QStringList>

void registerFontSubstitutions()
{
    const QStringList fixedWidth = {
        QStringLiteral("MS Gothic"),        QStringLiteral("IPAGothic"),
        QStringLiteral("IPAゴシック"),      QStringLiteral("Noto Sans Mono CJK JP"),
        QStringLiteral("VL Gothic"),        QStringLiteral("TakaoGothic"),
        QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace"),
    };
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), fixedWidth);
}
