#include "pediatrics/gestational_age.h"

#include <cmath>

#include "framework/format.h"

namespace quillion::pediatrics {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr double kWeeksPerYear = 52;
constexpr double kMonthsPerYear = 12;
constexpr double kDaysPerYear = 365;

constexpr ControlDef kControls[] = {
    label("intro", "Gestational Age Correction: standard term of gestation based on 40 weeks.",
          0, 0)
        .span(4)
        .with(platform::kWrap),
    check("use", "Use Gestation Adjusted Age in calculations?", 1, 0).span(4),
    heading("frame", "Gestation Adjustment ", 2, 0).span(4),
    label("termLabel", "Term of Gestation:", 3, 0),
    edit("term", 3, 1),
    spin("termSpin", "term", 3, 2),
    label("termUnit", "weeks", 3, 3),
    label("ageLabel", "Postnatal Age:", 4, 0),
    edit("age", 4, 1),
    button("ageUnit", "", 4, 2).span(2),
    label("result", "", 5, 0).span(4).with(platform::kWrap),
    button("ok", "OK", 6, 0),
    button("cancel", "Cancel", 6, 1),
};

int knownUnit(int unit) { return unit >= 0 && unit < kAgeUnitCount ? unit : kYears; }

}  // namespace

double adjustedAgeYears(double termWeeks, double postnatalAge, int ageUnit) {
  double years = postnatalAge;
  switch (ageUnit) {
    case kMonths: years = postnatalAge / kMonthsPerYear; break;
    case kDays: years = postnatalAge / kDaysPerYear; break;
    case kWeeks: years = postnatalAge / kWeeksPerYear; break;
    default: break;
  }
  return years - (kTermWeeks - termWeeks) / kWeeksPerYear;
}

std::string adjustedAgeText(double termWeeks, double postnatalAge, int ageUnit) {
  const double a = adjustedAgeYears(termWeeks, postnatalAge, ageUnit);
  const double months = a * kMonthsPerYear;
  const double weeks = a * kWeeksPerYear;
  const double days = a * kDaysPerYear;
  switch (ageUnit) {
    case kMonths:
      return framework::formatValues(
          "Gestation Adjusted Age is %.2lf months\r\n( = %.2lf years, = %.1lf weeks, = %.0lf days)",
          {months, a, weeks, days});
    case kWeeks:
      return framework::formatValues(
          "Gestation Adjusted Age is %.1lf weeks\r\n( = %.2lf years, = %.2lf months, = %.0lf days)",
          {weeks, a, months, days});
    case kDays:
      return framework::formatValues(
          "Gestation Adjusted Age is %.0lf days\r\n( = %.2lf years, = %.2lf months, = %.1lf weeks)",
          {days, a, months, weeks});
    default:
      return framework::formatValues(
          "Gestation Adjusted Age is %.2lf years\r\n( = %.2lf months, = %.1lf weeks, = %.0lf days)",
          {a, months, weeks, days});
  }
}

double readLeniently(std::string_view text) {
  double value = 0;
  return framework::parseNumberBox(text, value) ? value : 0;
}

GestationalAgeDialog::GestationalAgeDialog(double termWeeks, double postnatalAge, int ageUnit,
                                           bool useAdjusted)
    : Dialog("Gestational Age Correction", kControls),
      term_(termWeeks),
      age_(postnatalAge),
      unit_(knownUnit(ageUnit)),
      useAdjusted_(useAdjusted) {}

void GestationalAgeDialog::showNumber(std::string_view id, double value) {
  // The field is rewritten only when it shows something else, so typing is not disturbed.
  const std::string text = framework::formatNumberBox(value);
  if (control(id).text() != text) control(id).setText(text);
}

void GestationalAgeDialog::onInit() {
  control("use").setChecked(useAdjusted_);
  showNumber("term", term_);
  showNumber("age", age_);
  recompute();
}

void GestationalAgeDialog::recompute() {
  control("ageUnit").setText(std::string(kAgeUnitCaptions[unit_]));
  term_ = readLeniently(control("term").text());
  age_ = readLeniently(control("age").text());
  control("result").setText(adjustedAgeText(term_, age_, unit_));
}

void GestationalAgeDialog::numberEdited(std::string_view id, double& member) {
  const std::string& text = control(id).text();
  if (text.empty()) return;  // an empty field changes nothing
  const double value = readLeniently(text);
  if (value == member) return;
  member = std::fabs(value);
  showNumber(id, member);
  recompute();
}

void GestationalAgeDialog::onDialogEvent(const platform::Notification& n) {
  using platform::Event;
  if (n.event == Event::Changed && n.id == "term") {
    numberEdited("term", term_);
  } else if (n.event == Event::Changed && n.id == "age") {
    numberEdited("age", age_);
  } else if (n.event == Event::Spin && n.id == "termSpin") {
    term_ += n.step < 1 ? -1.0 : 1.0;
    showNumber("term", term_);
    recompute();
  } else if (n.event == Event::Clicked && n.id == "ageUnit") {
    unit_ = (unit_ + 1) % kAgeUnitCount;
    recompute();
  } else if (n.event == Event::Clicked && n.id == "use") {
    useAdjusted_ = control("use").checked();
  }
}

bool GestationalAgeDialog::onOk() {
  useAdjusted_ = control("use").checked();
  term_ = readLeniently(control("term").text());
  return true;
}

}  // namespace quillion::pediatrics
