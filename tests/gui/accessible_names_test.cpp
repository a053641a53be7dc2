// What a screen reader reads for the controls of the three windows: every control a person
// works with or reads has a name, each field of the main window is named by the label beside or
// above it and linked to that label, and the help picture and the help text are "Description".

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QAccessible>
#include <QString>

#include "calculator/control_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/framework/rect_control.h"
#include "tests/gui/shell_fixture.h"

namespace {

enum class Wnd { Main, About, Help };

struct Named {
  Wnd window;
  const char* control;
  const char* name;
  const char* label;  // the label that names the control, or nullptr
};

// A CR inside a two-line label reads as a line break.
const Named kNamed[] = {
  { Wnd::Main, "Nvariables", "Number of variables (2-99):", "StaticText1" },
  { Wnd::Main, "Nsubjects1", "Number of subjects Factor 1:", "StaticText5" },
  { Wnd::Main, "Nsubjects2", "Number of subjects Factor 2:", "StaticText7" },
  { Wnd::Main, "sFld", "Salience value (> and <):      \u00B1", "StaticText12" },
  { Wnd::Main, "InputFld1", "Factor 1 coefficients", "StaticText3" },
  { Wnd::Main, "InputFld2", "Factor 2 coefficients", "StaticText2" },
  { Wnd::Main, "sOutFld", "s", "StaticText10" },
  { Wnd::Main, "ChiOutFld", "Chi-Square:", "StaticText8" },
  { Wnd::Main, "pOutFld", "p \u2264", "ptext" },
  { Wnd::Main, "rOutFld", "rc", "StaticText6" },
  { Wnd::Main, "CalculateBtn", "Calculate", nullptr },
  { Wnd::Main, "ClearBtn", "Clear", nullptr },
  { Wnd::Main, "Canvas1", "Description", nullptr },
  { Wnd::Main, "StaticText1", "Number of variables (2-99):", nullptr },
  { Wnd::Main, "StaticText5", "Number of subjects Factor 1:", nullptr },
  { Wnd::Main, "StaticText7", "Number of subjects Factor 2:", nullptr },
  { Wnd::Main, "StaticText12", "Salience value (> and <):      \u00B1", nullptr },
  { Wnd::Main, "StaticText3", "Factor 1 coefficients", nullptr },
  { Wnd::Main, "StaticText2", "Factor 2 coefficients", nullptr },
  { Wnd::Main, "StaticText10", "s", nullptr },
  { Wnd::Main, "StaticText8", "Chi-Square:", nullptr },
  { Wnd::Main, "ptext", "p \u2264", nullptr },
  { Wnd::Main, "StaticText6", "rc", nullptr },
  { Wnd::Main, "StaticText13", "Salient Variable\nSimilarity Index", nullptr },
  { Wnd::Main, "StaticText14", "Goodness of Fit", nullptr },
  { Wnd::Main, "StaticText15", "Coefficient of\nCongruence", nullptr },
  { Wnd::Main, "StaticText4", "Factorial Quillon", nullptr },
  { Wnd::Main, "StaticText9", "Congruence, chi-square and salient similarity", nullptr },
  { Wnd::About, "StaticText1", "Factorial Quillon", nullptr },
  { Wnd::About, "StaticText5", "Free software, built with Qt \u2014 check every result", nullptr },
  { Wnd::Help, "DescribeFld2", "Description", nullptr },
};

class AccessibleNamesTest : public testing_support::ShellTest {
protected:
  static fw::Window& WindowOf(Wnd window) {
    switch (window) {
      case Wnd::Main:
        return ControlWnd::ControlWnd();
      case Wnd::About:
        return AboutWnd::AboutWnd();
      case Wnd::Help:
        return DescriptionWnd::DescriptionWnd();
    }
    throw std::logic_error("no such window");
  }

  static QAccessibleInterface& Accessible(Wnd window, const char* control) {
    QWidget& widget = fw::ControlAs<fw::RectControl>(WindowOf(window), control).Widget();
    return fw::NotNil(QAccessible::queryAccessibleInterface(&widget), std::string("the interface of ") + control);
  }
};

TEST_F(AccessibleNamesTest, EveryControlIsReadByItsNameAndEachFieldIsLinkedToItsLabel) {
  for (const Named& named : kNamed) {
    SCOPED_TRACE(named.control);
    QAccessibleInterface& control = Accessible(named.window, named.control);
    EXPECT_EQ(control.text(QAccessible::Name).toStdString(), named.name);
    std::vector<QAccessibleInterface*> labels;
    for (const auto& [label, relation] : control.relations(QAccessible::Label))
      labels.push_back(label);
    if (named.label == nullptr)
      EXPECT_TRUE(labels.empty());
    else
      EXPECT_EQ(labels, std::vector { &Accessible(named.window, named.label) });
  }
}

}  // namespace
