// Red-cell and immune-status indices from routine blood counts: the anemia indices
// (MCHC, MCV, transferrin saturation) and the total lymphocyte count.
#pragma once

#include <string_view>

namespace quillion::labs {

// Result label formats of the anemia lab values page. With the red cell count in millions
// per microliter the MCV is in femtoliters; the transferrin result is a saturation in
// percent (TIBC and serum iron in the same unit, ug/dL).
inline constexpr std::string_view kMcvFormat = "MCV= %.1lf fL";
inline constexpr std::string_view kMchcFormat = "MCHC= %.1lf %%";
inline constexpr std::string_view kTransferrinFormat = "Transferrin saturation= %.1lf %%";

// Result label format of the total lymphocyte count page.
inline constexpr std::string_view kTlcFormat = "TLC= %.1lf mm3";

// Report of the total lymphocyte count page (the anemia page writes none); its last
// line is the result label's text unchanged.
inline constexpr std::string_view kTlcReportTitle = " Total Lymphocyte Count";
inline constexpr std::string_view kTlcReportWbcFormat = "White Blood Cell Count = %.0lf cells/mm3";
inline constexpr std::string_view kTlcReportLymphocytesFormat = "Lymphocytes %.0lf%%";

// Each anemia index forms its quotient first and then multiplies; results depend on
// that order in the last digits. A zero divisor is not guarded: the index then has no
// finite value, which the formatter shows as "---".

// MCHC = (100 / hematocrit) * hemoglobin.
double meanCorpuscularHemoglobinConcentration(double hematocrit, double hemoglobin);

// MCV = (10 / red blood cell count) * hematocrit.
double meanCorpuscularVolume(double redBloodCellCount, double hematocrit);

// Transferrin saturation = (100 / total iron binding capacity) * serum iron.
double transferrinSaturation(double totalIronBindingCapacity, double serumIron);

// TLC = (lymphocyte percent * white blood cell count) * 0.01.
double totalLymphocyteCount(double whiteBloodCellCount, double lymphocytePercent);

}  // namespace quillion::labs
