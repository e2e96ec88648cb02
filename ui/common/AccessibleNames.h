#pragma once

class QWidget;

// Gives every control of window that screen readers would find unnamed a name from the texts
// the window shows: the caption of the label it is the buddy of, else its tooltip, else the
// title of the group it sits in.
// The texts come from the text files, so a translation names the controls too. Each window
// calls it after its texts are applied; names it gave earlier are given anew.
namespace AccessibleNames {

void nameUnnamedControls(QWidget& window);

} // namespace AccessibleNames
