#pragma once

// How a screen reader names a control. A label names the control it stands beside or above:
// Qt links the two (the label becomes the control's buddy), so the control is read with the
// label's text as its name and the label as its label. A control that no label names carries
// a name of its own. Nothing of this shows on the screen, and a label keeps its enabled state
// (a '&' in a naming label's text would become a mnemonic, as with any buddy: the program's
// labels have none).

#include <string>
#include <utility>

namespace fw {

class Window;

struct AccessibleNaming final {
  std::string labelFor {};  // a label's: the name of the control it names, built before it
  std::string name {};      // a control's own accessible name
};

inline AccessibleNaming LabelFor(std::string control) { return { .labelFor = std::move(control) }; }
inline AccessibleNaming AccessibleName(std::string name) { return { .name = std::move(name) }; }

// Gives the window's control of that name its naming. A label that names a control the window
// does not hold (yet) raises NilObjectException.
void ApplyNaming(Window& window, const std::string& controlName, const AccessibleNaming& naming);

}  // namespace fw
