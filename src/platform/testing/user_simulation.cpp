// A person's actions on the controls themselves, for a backend without widgets.
#include "platform/testing/user_simulation.h"

namespace quillion::platform::testing {
namespace {
UserSimulation* gInstalled = nullptr;
}

UserSimulation& userSimulation() {
  static UserSimulation direct;
  return gInstalled ? *gInstalled : direct;
}

void setUserSimulation(UserSimulation* simulation) { gInstalled = simulation; }

void UserSimulation::type(Control& edit, std::string text) {
  edit.setText(std::move(text));
  edit.form().notify({Event::Changed, edit.id()});
}

void UserSimulation::click(Control& control) {
  if (control.kind() == ControlKind::Check) control.setChecked(!control.checked());
  if (control.kind() == ControlKind::Radio) {
    for (Control* other : control.form().radioGroup(control)) other->setChecked(other == &control);
  }
  control.form().notify({Event::Clicked, control.id()});
}

void UserSimulation::choose(Control& list, int index) {
  // A tap on the row that is already selected changes nothing, so nothing is sent.
  if (list.kind() == ControlKind::ListBox && list.selected() == index) return;
  list.setSelected(index);
  Event event = list.kind() == ControlKind::DropDown ? Event::CloseUp : Event::SelectionChanged;
  list.form().notify({event, list.id(), index});
}

void UserSimulation::doubleTap(Control& list, int index) {
  list.setSelected(index);
  list.form().notify({Event::DoubleClicked, list.id(), index});
}

void UserSimulation::spin(Control& spin, int step) {
  spin.form().notify({Event::Spin, spin.id(), -1, -1, step});
}

void UserSimulation::headerTap(Control& list, int column) {
  list.form().notify({Event::HeaderTap, list.id(), -1, column});
}

void UserSimulation::cellTap(Control& list, int row, int column, bool twice) {
  list.setSelected(row);
  list.form().notify({twice ? Event::CellDoubleTap : Event::CellTap, list.id(), row, column});
}

void UserSimulation::selectTab(Sheet& sheet, int index) { sheet.setActivePage(index); }

std::vector<UserSimulation::Stop> UserSimulation::tabStops(Form& form) {
  std::vector<Stop> stops;
  for (Control* control : form.tabOrder()) stops.push_back({control, form.accessibleName(*control)});
  return stops;
}

bool UserSimulation::screenshot(Window& /*window*/, const std::string& /*pngPath*/) {
  return false;
}

}  // namespace quillion::platform::testing
