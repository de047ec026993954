// Red-cell indices and transferrin saturation from a blood count and iron studies.
// The page writes no report: it has no menu bar.
#include "labs/anemia_page.h"

#include "framework/format.h"
#include "labs/blood_counts.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "AA";

constexpr ControlDef kControls[] = {
    {"mcvGroup", ControlKind::Label, "MCV - Mean Corpuscular Volume ", 0, 0, 1, 3,
     platform::kHeading},
    {"rbcLabel", ControlKind::Label, "Red Blood Cell Count:", 1, 0},
    {"rbc", ControlKind::Edit, "", 1, 1},
    {"rbcUnit", ControlKind::Label, "million/uL", 1, 2},
    {"hct2Label", ControlKind::Label, "Hematocrit:", 2, 0},
    {"hct2", ControlKind::Edit, "", 2, 1},
    {"hct2Unit", ControlKind::Label, "%", 2, 2},
    {"mcv", ControlKind::Label, "", 3, 0, 1, 3},
    {"mchcGroup", ControlKind::Label, "MCHC", 4, 0, 1, 3, platform::kHeading},
    {"hctLabel", ControlKind::Label, "Hematocrit:", 5, 0},
    {"hct", ControlKind::Edit, "", 5, 1},
    {"hctUnit", ControlKind::Label, "%", 5, 2},
    {"hgbLabel", ControlKind::Label, "Hemoglobin:", 6, 0},
    {"hgb", ControlKind::Edit, "", 6, 1},
    {"hgbUnit", ControlKind::Label, "g/dL", 6, 2},
    {"mchc", ControlKind::Label, "", 7, 0, 1, 3},
    {"transferrinGroup", ControlKind::Label, "% Transferrin Saturation", 8, 0, 1, 3,
     platform::kHeading},
    {"tibcLabel", ControlKind::Label, "Total Iron Binding Capacity:", 9, 0},
    {"tibc", ControlKind::Edit, "", 9, 1},
    {"tibcUnit", ControlKind::Label, "ug/dL", 9, 2},
    {"silLabel", ControlKind::Label, "Serum Iron Level:", 10, 0},
    {"sil", ControlKind::Edit, "", 10, 1},
    {"silUnit", ControlKind::Label, "ug/dL", 10, 2},
    {"transferrin", ControlKind::Label, "", 11, 0, 1, 3},
};

}  // namespace

CAnemiaLabValuesPage::CAnemiaLabValuesPage() : CalculatorPage("Data Entry", kControls, false, kSection) {
  keepNumber("RBC", redCells_);
  keepNumber("HCT2", hematocritForMcv_);
  keepNumber("HCT", hematocrit_);
  keepNumber("HGB", hemoglobin_);
  keepNumber("TIBC", ironBindingCapacity_);
  keepNumber("SIL", serumIron_);
}

void CAnemiaLabValuesPage::bind(framework::DataExchange& dx) {
  dx.number("rbc", redCells_);
  dx.number("hct2", hematocritForMcv_);
  dx.text("mcv", mcvText_);
  dx.number("hct", hematocrit_);
  dx.number("hgb", hemoglobin_);
  dx.text("mchc", mchcText_);
  dx.number("tibc", ironBindingCapacity_);
  dx.number("sil", serumIron_);
  dx.text("transferrin", transferrinText_);
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
