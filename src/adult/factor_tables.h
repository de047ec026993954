// The clinical factor tables of the adult pages: the stress table (whose user-defined
// row 0 is one copy for the whole program), the activity choices per sex, the amputation
// choices and the protein factor list.
#pragma once

#include <array>
#include <string_view>

namespace quillion::adult {

struct StressRow {
  std::string_view name;
  double stressMin;
  double stressMax;
  double proteinMin;  // g protein per kg
  double proteinMax;
};

inline constexpr int kStressRowCount = 30;
inline constexpr int kUserDefinedStressRow = 0;

// The 30 rows in display order; row 0 is the shared user-defined row, edited in the
// stress dialog and loaded by each page that uses it.
std::array<StressRow, kStressRowCount>& stressTable();

// The caption of a page's stress button and its report line.
inline constexpr std::string_view kStressCaptionFormat =
    "Stress: %s\rStress Factor: %.2lf-%.2lf   Protein: %.2lf-%.2lf";

struct ActivityRow {
  std::string_view maleItem;
  std::string_view femaleItem;
  double maleFactor;
  double femaleFactor;
};

inline constexpr int kActivityCount = 7;
inline constexpr int kCustomActivity = 0;
inline constexpr int kConfinedToBed = 1;
// The upper end of "Confined to bed" is a single-precision 1.2 widened to double.
inline constexpr double kConfinedToBedMax = 1.2000000476837158;

inline constexpr ActivityRow kActivities[kActivityCount] = {
    {"Custom Range", "Custom Range", 0, 0},
    {"Confined to bed: 1.0 to 1.2", "Confined to bed: 1.0 to 1.2", 1.0, 1.0},
    {"Out of bed/Very light: 1.3", "Out of bed/Very light: 1.3", 1.3, 1.3},
    {"Light: 1.6 (or 1.5 if female)", "Light: 1.5 (or 1.6 if male)", 1.6, 1.5},
    {"Moderate: 1.7 (or 1.6 if female)", "Moderate: 1.6 (or 1.7 if male)", 1.7, 1.6},
    {"Heavy: 2.1 (or 1.9 if female)", "Heavy: 1.9 (or 2.1 if male)", 2.1, 1.9},
    {"Exceptional: 2.4 (or 2.2 if female)", "Exceptional: 2.2 (or 2.4 if male)", 2.4, 2.2},
};

struct ActivityRange {
  double minimum;
  double maximum;
};
// The range of choice 1 to 6 for a sex (0 male, 1 female).
ActivityRange activityRange(int index, int sex);

struct AmputationRow {
  std::string_view item;
  double percent;  // of body weight missing
};

inline constexpr int kAmputationCount = 14;
inline constexpr int kCustomAmputation = 0;
inline constexpr int kNoAmputation = 1;

inline constexpr AmputationRow kAmputations[kAmputationCount] = {
    {"Custom Factor ----->", 0.0},      {"None", 0.0},
    {"Arm, entire length", 5.0},        {"Arms, both", 10.0},
    {"Arms, one at elbow", 2.3},        {"Arm, both at elbow", 4.6},
    {"Hand, one at wrist", 0.7},        {"Hands, both at wrist", 1.4},
    {"Foot, one at ankle", 1.5},        {"Feet, two at ankle", 3.0},
    {"Leg at Knee", 5.9},               {"Legs, both at knee", 11.8},
    {"Leg, below the hip", 16.0},       {"Legs, both", 37.0},
};

inline constexpr std::string_view kAmputationHintFormat =
    "Enter the custom value in the box to the right of the 'Custom Factor---->' drop down. "
    "Currently, the edit box says '%s'.\r\n\r\nShow this hint message next time?";

struct ProteinFactorRow {
  std::string_view item;
  double minimum;  // g protein per kg
  double maximum;
};

inline constexpr int kProteinFactorCount = 10;
inline constexpr int kCustomProteinFactor = 0;

inline constexpr ProteinFactorRow kProteinFactors[kProteinFactorCount] = {
    {"Custom Factor ------------>", 0, 0},
    {"Hepatic failure    0.25-0.5", 0.25, 0.5},
    {"Renal failure       0.5-0.7", 0.5, 0.7},
    {"Normal nutrition  0.8-1.0", 0.8, 1.0},
    {"Mild depletion     1.0-1.2", 1.0, 1.2},
    {"Moderate depletion  1.2-1.5", 1.2, 1.5},
    {"Severe depletion  1.5-2.0", 1.5, 2.0},
    {"Pulmonary def.(maint.)   1.2-1.8", 1.2, 1.8},
    {"Pulmonary def.(replete)  1.6-2.4", 1.6, 2.4},
    {"Severe Trauma /Burns  2.0-2.5", 2.0, 2.5},
};

inline constexpr std::string_view kProteinHintFormat =
    "Enter the custom value in the boxes to the right of the 'Custom Factor---->' drop down. "
    "Currently, the minimum edit box says '%0.1lf' and the maximum edit box says "
    "'%0.1lf'.\r\n\r\nShow this hint message next time?";

}  // namespace quillion::adult
