#include "adult/ireton_jones_page.h"

#include "adult/body_measures.h"
#include "adult/factor_tables.h"
#include "adult/protein_choice.h"
#include "framework/format.h"

namespace quillion::adult {
namespace {

using platform::ControlDef;
using namespace platform::controls;
namespace bm = BodyMeasures;

constexpr ControlDef kControls[] = {
    radio("spontaneous", "Spontaneous Breathing", 0, 0).span(5).with(platform::kGroup),
    radio("ventilator", "Ventilator Dependent Breathing", 1, 0).span(5),
    label("ageLabel", "Age:", 2, 0),
    edit("age", 2, 1),
    label("ageUnit", "years", 2, 2),
    button("sex", "Male", 2, 3),
    label("weightLabel", "Weight:", 3, 0),
    edit("weight", 3, 1),
    button("weightUnit", "lbs", 3, 2),
    label("weightText", "", 3, 3).span(2),
    check("trauma", "Trauma", 4, 0),
    check("burn", "Burn", 4, 1),
    // In the place of the two above, for spontaneous breathing.
    check("obesity", "Obesity (if >130% IBW)", 4, 0).span(2),
    label("proteinLabel", "Protein Factors (g/kg)", 5, 0).span(5),
    dropDown("protein", 6, 0).span(2),
    label("proteinMinLabel", "Min", 6, 2),
    edit("proteinMin", 6, 3),
    label("proteinMaxLabel", "Max", 7, 2),
    edit("proteinMax", 7, 3),
    heading("eeeGroup", "Estimated Energy Expenditure", 8, 0).span(5),
    label("eee", "", 9, 0).span(5),
    label("fluids", "", 10, 0).span(5),
    label("proteinText", "", 11, 0).span(5),
};

constexpr std::string_view kFluidFormat = "Fluids\t= %.0lf - %.0lf ml (%.0lf-%.0lf ml/kg)";
constexpr std::string_view kProteinFormat = "Protein Range: %.0lf - %.0lf g (%.2lf - %.2lf g/kg)";

}  // namespace

CIretonJonesPage::CIretonJonesPage()
    : CalculatorPage("Ireton-Jones Equations", kControls, "IJ",
                     framework::MenuBar::SaveAndOptions) {
  radio("spontaneous", breathing_).keep("Breathing", 2);
  number("age", age_).keep("Age");
  stored(sex_).keep("Sex", 2);
  number("weight", weight_).keep("Weight");
  stored(weightUnit_).keep("WtUnits", 2);
  check("trauma", trauma_).keep("Trauma");
  check("burn", burn_).keep("Burn");
  check("obesity", obesity_).keep("Obesity");
  choice("protein", proteinChoice_).keep("PFL", kProteinFactorCount);
  number("proteinMin", proteinMin_).keep("ProFMin");
  number("proteinMax", proteinMax_).keep("ProFMax");
  stored(showProteinHint_).keep("SCH");
  text("eee", eeeText_);
  text("weightText", weightText_);
  text("fluids", fluidText_);
  text("proteinText", proteinText_);
}

void CIretonJonesPage::loadInputs(framework::SettingsStore& store) {
  CalculatorPage::loadInputs(store);
  if (proteinChoice_ != kCustomProteinFactor) {
    proteinMin_ = kProteinFactors[proteinChoice_].minimum;
    proteinMax_ = kProteinFactors[proteinChoice_].maximum;
  }
}

void CIretonJonesPage::prepareControls() {
  platform::Control& list = control("protein");
  for (const ProteinFactorRow& row : kProteinFactors) list.addItem(std::string(row.item));
}

void CIretonJonesPage::calculate() {
  control("sex").setText(std::string(bm::kSexCaptions[sex_ == 1 ? 1 : 0]));
  control("weightUnit").setText(std::string(bm::kWeightUnitCaptions[weightUnit_ == 0 ? 0 : 1]));
  control("sex").setVisible(ventilated());
  control("trauma").setVisible(ventilated());
  control("burn").setVisible(ventilated());
  control("obesity").setVisible(!ventilated());

  const double w = bm::toKilograms(weight_, weightUnit_);
  weightText_ = weightUnit_ == bm::kPounds
                    ? framework::formatValues("(%.2lf lbs = %.2lf kgs)", {w * bm::kKgToPounds, w})
                    : framework::formatValues("(%.2lf kgs = %.2lf lbs)",
                                              {weight_, weight_ * bm::kKgToPounds});
  double eee;
  if (ventilated()) {
    eee = 1784 - 11 * age_ + 5 * w;
    if (burn_) eee += 804;
    if (trauma_) eee += 239;
    if (sex_ == bm::kMale) eee += 244;
  } else {
    eee = 629 - 11 * age_ + 25 * w;
    if (obesity_) eee -= 609;
  }
  eeeText_ = framework::formatValue("EEE = %.0lf kcal/day", eee);
  const bm::FluidRange fluids = bm::fluidRange(age_, w, 1.0);
  const double r = 1 / w;
  fluidText_ = framework::formatValues(
      kFluidFormat, {fluids.minimum, fluids.maximum, r * fluids.minimum, r * fluids.maximum});
  proteinText_ = framework::formatValues(kProteinFormat,
                                         {proteinMin_ * w, proteinMax_ * w, proteinMin_, proteinMax_});
}

void CIretonJonesPage::onPageEvent(const platform::Notification& n) {
  if (n.event == platform::Event::CloseUp && n.id == "protein") {
    proteinChoice_ = control("protein").selected();
    applyProteinChoice(proteinChoice_, proteinMin_, proteinMax_, showProteinHint_);
    updateData(false);
    if (proteinChoice_ == kCustomProteinFactor) focus("proteinMin");
    compute();
    return;
  }
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "sex") {
    sex_ = sex_ == 0 ? 1 : 0;
  } else if (n.id == "weightUnit") {
    weightUnit_ = weightUnit_ == 0 ? 1 : 0;
  }
  // The breathing radios and the condition check boxes are read by the recompute.
  compute();
}

std::string CIretonJonesPage::reportTitle() const { return " Ireton Jones Equations "; }

void CIretonJonesPage::writeReportLines(framework::ResultLog& log) {
  const std::string_view sexWord = bm::kSexCaptions[sex_ == 1 ? 1 : 0];
  if (ventilated()) {
    log.writeLine(framework::formatTexts(
        framework::formatValue("Client : %s %.0lf yrs., Weight %s", age_), {sexWord, weightText_}));
    log.writeLine("Ventilator Dependent");
  } else {
    log.writeLine(framework::formatText(
        framework::formatValue("Client : %.0lf yrs., Weight %s", age_), weightText_));
    log.writeLine("Spontaneous Breathing");
  }
  log.writeLine(fluidText_);
  log.writeLine(proteinText_);
  if (ventilated()) {
    log.writeLine(burn_ ? "Burn : Yes" : "Burn : No");
    log.writeLine(trauma_ ? "Trauma : Yes" : "Trauma : No");
  } else {
    log.writeLine(obesity_ ? "Obesity : Yes" : "Obesity : No");
  }
  log.writeLine(eeeText_);
}

}  // namespace quillion::adult
