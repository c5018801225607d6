#include "text_form.h"

#include "catalog/listings.h"
#include "lesson/qt_convert.h"
#include "lesson/window_zoom.h"

#include <QPlainTextEdit>

namespace
{

void (*listingPresenter)(TextForm&) = nullptr;

} // namespace

TextForm::TextForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmText"));
    setWindowTitle(QString::fromUtf8(listingWindow().caption));
    text1_ = new QPlainTextEdit(QStringLiteral("Text1\n"), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setGeometry(qt_convert::rect(Rect{0, 0, 4695, 1575}));
    resize(qt_convert::pixels(listingWindow().width), qt_convert::pixels(listingWindow().height));
}

void TextForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void TextForm::Form_Resize()
{
    // The client area in twips, as at 100 %: a zoomed window keeps its margins in scale.
    const ListingWindow window = listingWindow();
    const double zoom = window_zoom::factor(this);
    const int width = static_cast<int>(this->width() / zoom * added_buttons::twipsPerPixel);
    const int height = static_cast<int>(this->height() / zoom * added_buttons::twipsPerPixel);
    if (width > window.smallest && height > window.smallest) {
        text1_->resize(QSize(qt_convert::pixels(width - window.margin),
                             qt_convert::pixels(height - window.margin)) *
                       zoom);
    }
}

void showListing(char id, QWidget* opener)
{
    const CodeListing listing = codeListing(id);
    TextForm form(opener);
    form.text()->setPlainText(qt_convert::shown(listing.text));
    form.setWindowTitle(qt_convert::text(listing.caption));
    form.text()->setFont(qt_convert::font(listingFont(listing)));
    form.setWindowModality(Qt::WindowModal);
    if (listingPresenter)
        listingPresenter(form);
    else
        form.exec();
}

void setListingPresenter(void (*presenter)(TextForm& form))
{
    listingPresenter = presenter;
}
