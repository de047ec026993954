// What a person does, as a backend receives it: the way in for the script driver and the
// tests, and for nothing else (pages never act as the user). Each backend that draws
// installs its own, which acts on its widgets; without one the actions go straight to
// the controls and forms, as the in-memory backend has them.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

namespace quillion::platform::testing {

class UserSimulation {
 public:
  virtual ~UserSimulation() = default;

  virtual void type(Control& edit, std::string text);
  virtual void click(Control& control);
  virtual void choose(Control& list, int index);  // drop-down choice or list row
  virtual void doubleTap(Control& list, int index);
  virtual void spin(Control& spin, int step);  // step > 0 up, otherwise down
  virtual void headerTap(Control& list, int column);
  virtual void cellTap(Control& list, int row, int column, bool twice);
  virtual void selectTab(Sheet& sheet, int index);
  // The controls Tab visits on the form, in order, each with its screen-reader name.
  struct Stop {
    Control* control;
    std::string name;
  };
  virtual std::vector<Stop> tabStops(Form& form);
  // Whether the form's content fits its window's width (nothing to scroll sideways); true
  // where nothing is drawn.
  virtual bool fitsWidth(Form& /*form*/) { return true; }
  // A picture of the window as it is drawn; false where nothing is drawn.
  virtual bool screenshot(Window& window, const std::string& pngPath);
};

// The installed simulation, or the one that acts on the controls directly.
UserSimulation& userSimulation();
void setUserSimulation(UserSimulation* simulation);

}  // namespace quillion::platform::testing
