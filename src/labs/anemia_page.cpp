// Red-cell indices and transferrin saturation from a blood count and iron studies.
// The page writes no report: it has no menu bar.
#include "labs/anemia_page.h"

#include "framework/format.h"
#include "labs/blood_counts.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "AA";

constexpr ControlDef kControls[] = {
    heading("mcvGroup", "MCV - Mean Corpuscular Volume ", 0, 0).span(3),
    label("rbcLabel", "Red Blood Cell Count:", 1, 0),
    edit("rbc", 1, 1),
    label("rbcUnit", "million/uL", 1, 2),
    label("hct2Label", "Hematocrit:", 2, 0),
    edit("hct2", 2, 1),
    label("hct2Unit", "%", 2, 2),
    label("mcv", "", 3, 0).span(3),
    heading("mchcGroup", "MCHC", 4, 0).span(3),
    label("hctLabel", "Hematocrit:", 5, 0),
    edit("hct", 5, 1),
    label("hctUnit", "%", 5, 2),
    label("hgbLabel", "Hemoglobin:", 6, 0),
    edit("hgb", 6, 1),
    label("hgbUnit", "g/dL", 6, 2),
    label("mchc", "", 7, 0).span(3),
    heading("transferrinGroup", "% Transferrin Saturation", 8, 0).span(3),
    label("tibcLabel", "Total Iron Binding Capacity:", 9, 0),
    edit("tibc", 9, 1),
    label("tibcUnit", "ug/dL", 9, 2),
    label("silLabel", "Serum Iron Level:", 10, 0),
    edit("sil", 10, 1),
    label("silUnit", "ug/dL", 10, 2),
    label("transferrin", "", 11, 0).span(3),
};

}  // namespace

CAnemiaLabValuesPage::CAnemiaLabValuesPage()
    : CalculatorPage("Data Entry", kControls, kSection, framework::MenuBar::None) {
  number("rbc", redCells_).keep("RBC");
  number("hct2", hematocritForMcv_).keep("HCT2");
  text("mcv", mcvText_);
  number("hct", hematocrit_).keep("HCT");
  number("hgb", hemoglobin_).keep("HGB");
  text("mchc", mchcText_);
  number("tibc", ironBindingCapacity_).keep("TIBC");
  number("sil", serumIron_).keep("SIL");
  text("transferrin", transferrinText_);
}

void CAnemiaLabValuesPage::calculate() {
  mchcText_ = framework::formatValue(
      kMchcFormat, meanCorpuscularHemoglobinConcentration(hematocrit_, hemoglobin_));
  mcvText_ = framework::formatValue(kMcvFormat,
                                    meanCorpuscularVolume(redCells_, hematocritForMcv_));
  transferrinText_ = framework::formatValue(
      kTransferrinFormat, transferrinSaturation(ironBindingCapacity_, serumIron_));
}

}  // namespace quillion::labs
