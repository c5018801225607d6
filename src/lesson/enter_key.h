#pragma once

// Enter presses the push button that has the focus, in every window of the program, as Space
// does (Qt's buttons take only Space outside dialogs): a keyboard user in a menu presses
// Enter on a button and its window opens. Dialogs keep their own rule (Enter presses their
// default button).
namespace enter_key
{

// Installs the rule for the whole application, once.
void install();

} // namespace enter_key
