#pragma once

#include <QDialog>

class QPlainTextEdit;

// The code listing window: one scrollable text box that follows the window's size.
class TextForm : public QDialog
{
    Q_OBJECT
public:
    explicit TextForm(QWidget* parent = nullptr);
    QPlainTextEdit* text() const { return text1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    QPlainTextEdit* text1_;
};

// Fills the code listing window with listing `id` ('a' to 'e'), sets its caption and font,
// and shows it modally over `opener`.
void showListing(char id, QWidget* opener);

// Tests look at the window instead of waiting for the student to close it.
void setListingPresenter(void (*presenter)(TextForm& form));
