// The "Parenteral" tool: choice dialogs lead to one of the four calculator pages, shown
// as the first tab of the tool's sheet; "< Back" on a page returns to the last choice.
#pragma once

#include <functional>
#include <memory>

#include "parenteral/parenteral_page.h"

namespace quillion::parenteral {

// Runs the tool's sheet with the page as its first tab (the page is attached to it while
// it runs); returns the page's outcome after the sheet closed.
using SheetRunner = std::function<int(ParenteralPage& page)>;

class ParenteralWizard {
 public:
  explicit ParenteralWizard(SheetRunner runSheet) : runSheet_(std::move(runSheet)) {}
  // Returns when the user leaves the wizard.
  void run();

 private:
  SheetRunner runSheet_;
};

}  // namespace quillion::parenteral
