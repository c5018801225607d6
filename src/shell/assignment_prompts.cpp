// The real dialogs behind assignments::prompts(): the file dialogs, a question with two
// answers, the dialog that makes an assignment and the one that asks the student's name.
#include "assignments.h"

#include "assignment/assignment.h"
#include "assignment/assignment_texts.h"
#include "lesson/qt_convert.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace assignments
{
namespace
{

namespace texts = assignment_texts;
using qt_convert::text;

std::optional<Made> makeDialog(QWidget* parent, const Made& proposed)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(text(texts::makeTitle));
    auto* layout = new QFormLayout(&dialog);
    auto* title = new QLineEdit(proposed.title, &dialog);
    title->setMaxLength(static_cast<int>(assignment::titleLimit));
    title->setObjectName(QStringLiteral("Title"));
    auto* instructions = new QPlainTextEdit(proposed.instructions, &dialog);
    instructions->setObjectName(QStringLiteral("Instructions"));
    instructions->setTabChangesFocus(true);
    auto* autoRun = new QCheckBox(text(texts::allowAutoRun), &dialog);
    autoRun->setChecked(proposed.autoRun);
    auto* stepBack = new QCheckBox(text(texts::allowStepBack), &dialog);
    stepBack->setChecked(proposed.stepBack);
    layout->addRow(text(texts::titleCaption), title);
    layout->addRow(text(texts::instructionsCaption), instructions);
    layout->addRow(autoRun);
    layout->addRow(stepBack);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(text(texts::saveFile), QDialogButtonBox::AcceptRole);
    buttons->addButton(text(texts::cancel), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    dialog.resize(560, 360);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Made{title->text(), instructions->toPlainText(), autoRun->isChecked(),
                stepBack->isChecked()};
}

Prompts realPrompts()
{
    Prompts p;
    p.openFile = [](QWidget* parent, const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, title, {}, filter);
    };
    p.openFiles = [](QWidget* parent, const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileNames(parent, title, {}, filter);
    };
    p.saveFile = [](QWidget* parent, const QString& title, const QString& filter,
                    const QString& proposed) {
        return QFileDialog::getSaveFileName(parent, title, proposed, filter);
    };
    p.choose = [](QWidget* parent, const QString& question, const QString& first,
                  const QString& second) {
        QMessageBox box(QMessageBox::Question, text(texts::resumeTitle), question,
                        QMessageBox::NoButton, parent);
        box.setTextFormat(Qt::PlainText);
        QPushButton* one = box.addButton(first, QMessageBox::AcceptRole);
        QPushButton* two = box.addButton(second, QMessageBox::DestructiveRole);
        box.addButton(text(texts::cancel), QMessageBox::RejectRole);
        box.setDefaultButton(one);
        box.exec();
        return box.clickedButton() == one ? 0 : box.clickedButton() == two ? 1 : -1;
    };
    p.make = makeDialog;
    p.name = [](QWidget* parent) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(
            parent, text(texts::nameTitle), text(texts::nameCaption), QLineEdit::Normal, {}, &ok);
        return ok ? std::optional(name) : std::nullopt;
    };
    return p;
}

} // namespace

Prompts& prompts()
{
    static Prompts p = realPrompts();
    return p;
}

void restorePrompts()
{
    prompts() = realPrompts();
}

} // namespace assignments
