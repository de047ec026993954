// Data exchange between a form's controls and a page's members, in both directions for
// all bound controls at once, in the order they were bound.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"

namespace quillion::framework {

class DataExchange {
 public:
  explicit DataExchange(platform::Form& form) : form_(form) {}

  void number(std::string_view id, double& member);
  // A whole-number box.
  void integer(std::string_view id, int& member);
  // The bound number or whole-number box asks for a number within these bounds.
  void range(std::string_view id, double minimum, double maximum);
  // The bound number box takes a negative number as its absolute value.
  void positive(std::string_view id);
  void text(std::string_view id, std::string& member);  // text boxes and labels
  void check(std::string_view id, int& member);
  void radio(std::string_view firstId, int& member);  // index of the checked button
  void choice(std::string_view id, int& member);      // drop-down position

  // The bound number of an edit box, or nullptr.
  double* numberFor(std::string_view id);
  // The bound integer of a whole-number box, or nullptr.
  int* integerFor(std::string_view id);

  void toControls();
  // Stops at the first box that fails (message shown, focus on the box); false then.
  // numbersChanged, when given, tells whether any bound number took a new value (an
  // exact comparison, so retyping 24 as 24.0 changes nothing).
  bool fromControls(bool* numbersChanged = nullptr);

 private:
  struct Binding;
  // Reads a whole-number box; false (message shown, focus on the box) when it fails.
  bool readInteger(Binding& b, bool* numbersChanged);

  enum class Kind { Number, Integer, Text, Check, Radio, Choice };
  struct Binding {
    Kind kind;
    std::string id;
    void* member;
    bool ranged = false;
    double minimum = 0;
    double maximum = 0;
    bool absolute = false;
  };

  platform::Form& form_;
  std::vector<Binding> bindings_;
};

}  // namespace quillion::framework
