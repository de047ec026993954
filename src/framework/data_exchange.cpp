// Number boxes show their doubles in general format and read back complete decimal
// numbers; failures and out-of-range numbers are reported as the dialog framework does.
#include "framework/data_exchange.h"

#include <cmath>

#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::framework {

using platform::Control;
using platform::ControlKind;

void DataExchange::number(std::string_view id, double& member) {
  bindings_.push_back({Kind::Number, std::string(id), &member});
}

void DataExchange::integer(std::string_view id, int& member) {
  bindings_.push_back({Kind::Integer, std::string(id), &member});
}

void DataExchange::range(std::string_view id, double minimum, double maximum) {
  for (auto& b : bindings_) {
    if ((b.kind != Kind::Number && b.kind != Kind::Integer) || b.id != id) continue;
    b.ranged = true;
    b.minimum = minimum;
    b.maximum = maximum;
  }
}

void DataExchange::positive(std::string_view id) {
  for (auto& b : bindings_) {
    if (b.kind == Kind::Number && b.id == id) b.absolute = true;
  }
}

void DataExchange::text(std::string_view id, std::string& member) {
  bindings_.push_back({Kind::Text, std::string(id), &member});
}

void DataExchange::check(std::string_view id, int& member) {
  bindings_.push_back({Kind::Check, std::string(id), &member});
}

void DataExchange::radio(std::string_view firstId, int& member) {
  bindings_.push_back({Kind::Radio, std::string(firstId), &member});
}

void DataExchange::choice(std::string_view id, int& member) {
  bindings_.push_back({Kind::Choice, std::string(id), &member});
}

double* DataExchange::numberFor(std::string_view id) {
  for (auto& b : bindings_) {
    if (b.kind == Kind::Number && b.id == id) return static_cast<double*>(b.member);
  }
  return nullptr;
}

int* DataExchange::integerFor(std::string_view id) {
  for (auto& b : bindings_) {
    if (b.kind == Kind::Integer && b.id == id) return static_cast<int*>(b.member);
  }
  return nullptr;
}

bool DataExchange::readInteger(Binding& b, bool* numbersChanged) {
  int value = 0;
  if (!parseIntegerBox(form_.control(b.id).text(), value)) {
    platform::currentPlatform().messageBox(kEnterInteger, kAppName, platform::MessageIcon::Warning);
    form_.focus(b.id);
    return false;
  }
  int& member = *static_cast<int*>(b.member);
  if (numbersChanged && member != value) *numbersChanged = true;
  member = value;
  if (b.ranged && (value < b.minimum || value > b.maximum)) {
    std::string message = std::string(kEnterIntegerBetween) + formatNumberBox(b.minimum) +
                          " and " + formatNumberBox(b.maximum) + ".";
    platform::currentPlatform().messageBox(message, kAppName, platform::MessageIcon::Warning);
    form_.focus(b.id);
    return false;
  }
  return true;
}

void DataExchange::toControls() {
  for (auto& b : bindings_) {
    Control& control = form_.control(b.id);
    switch (b.kind) {
      case Kind::Number:
        control.setText(formatNumberBox(*static_cast<double*>(b.member)));
        break;
      case Kind::Integer:
        control.setText(formatIntegerBox(*static_cast<int*>(b.member)));
        break;
      case Kind::Text:
        control.setText(*static_cast<std::string*>(b.member));
        break;
      case Kind::Check:
        control.setChecked(*static_cast<int*>(b.member) != 0);
        break;
      case Kind::Radio: {
        auto group = form_.radioGroup(control);
        int index = *static_cast<int*>(b.member);
        for (std::size_t i = 0; i < group.size(); ++i) {
          group[i]->setChecked(static_cast<int>(i) == index);
        }
        break;
      }
      case Kind::Choice:
        control.setSelected(*static_cast<int*>(b.member));
        break;
    }
  }
}

bool DataExchange::fromControls(bool* numbersChanged) {
  if (numbersChanged) *numbersChanged = false;
  for (auto& b : bindings_) {
    Control& control = form_.control(b.id);
    switch (b.kind) {
      case Kind::Number: {
        double value = 0;
        if (!parseNumberBox(control.text(), value)) {
          platform::currentPlatform().messageBox(kEnterNumber, kAppName,
                                                 platform::MessageIcon::Warning);
          form_.focus(b.id);
          return false;
        }
        double& member = *static_cast<double*>(b.member);
        // A negative entry counts as a change even where its absolute value is the old
        // number, so the box is shown again without its sign.
        if (numbersChanged && member != value) *numbersChanged = true;
        member = b.absolute ? std::fabs(value) : value;
        if (b.ranged && (value < b.minimum || value > b.maximum)) {
          std::string message = std::string(kEnterNumberBetween) + formatNumberBox(b.minimum) +
                                " and " + formatNumberBox(b.maximum) + ".";
          platform::currentPlatform().messageBox(message, kAppName,
                                                 platform::MessageIcon::Warning);
          form_.focus(b.id);
          return false;
        }
        break;
      }
      case Kind::Integer:
        if (!readInteger(b, numbersChanged)) return false;
        break;
      case Kind::Text:
        if (control.kind() == ControlKind::Edit || control.kind() == ControlKind::MultiLine) {
          *static_cast<std::string*>(b.member) = control.text();
        }
        break;
      case Kind::Check:
        *static_cast<int*>(b.member) = control.checked() ? 1 : 0;
        break;
      case Kind::Radio: {
        auto group = form_.radioGroup(control);
        int index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
          if (group[i]->checked()) index = static_cast<int>(i);
        }
        *static_cast<int*>(b.member) = index;
        break;
      }
      case Kind::Choice:
        *static_cast<int*>(b.member) = control.selected();
        break;
    }
  }
  return true;
}

}  // namespace quillion::framework
