#include "adult/factor_tables.h"

namespace quillion::adult {

std::array<StressRow, kStressRowCount>& stressTable() {
  static std::array<StressRow, kStressRowCount> table = {{
      {"User Defined", 1.0, 1.0, 0.8, 1.0},
      {"Healthy Adult/ No Stress", 1.0, 1.0, 0.8, 1.0},
      {"Acute Pancreatitis", 1.2, 1.4, 1.2, 1.5},
      {"ARDS 2º Sepsis & Multiple stresses", 1.2, 1.4, 1.5, 2.0},
      {"Burn <20% Body Surface area (BSA)", 1.0, 1.5, 1.5, 2.5},
      {"Burn >40% Body Surface area (BSA)", 1.85, 1.95, 1.5, 3.0},
      {"Burn 20-40% Body Surface area (BSA)", 1.5, 1.85, 1.5, 3.0},
      {"Cancer", 1.1, 1.45, 1.0, 1.5},
      {"Chronic Pancreatitis", 1.7, 1.9, 1.5, 2.0},
      {"Cirrhosis", 1.2, 1.3, 1.0, 1.2},
      {"CRF", 1.1, 1.4, 0.6, 0.8},
      {"Elderly", 1.2, 1.3, 1.0, 1.2},
      {"Encephalopathy", 1.2, 1.3, 0.5, 0.7},
      {"Etoh hepatitis", 1.2, 1.3, 1.1, 1.2},
      {"HD", 1.5, 2.0, 1.0, 1.2},
      {"Hepatic Failure", 1.2, 1.45, 1.1, 1.5},
      {"HIV, stable", 1.15, 1.25, 0.8, 1.25},
      {"HIV, symptomatic", 1.15, 1.4, 1.5, 2.0},
      {"IBD", 1.3, 1.5, 1.1, 1.6},
      {"Infection, moderate", 1.2, 1.4, 1.2, 1.5},
      {"Infection, mild", 1.0, 1.2, 1.0, 1.2},
      {"Infection, severe", 1.4, 1.8, 1.3, 2.0},
      {"Major, Surgery", 1.2, 1.5, 1.2, 1.5},
      {"PD", 1.5, 2.0, 1.2, 1.5},
      {"Post Op, no complication", 1.0, 1.1, 1.0, 1.3},
      {"Refeeding Syndrome", 0.65, 0.85, 1.2, 1.5},
      {"Renal Transplant", 1.2, 1.4, 1.2, 2.0},
      {"Sepsis (1st wk onset)", 1.2, 1.4, 1.3, 1.7},
      {"Sepsis (2st wk)", 1.3, 1.55, 1.5, 2.0},
      {"Wound Healing/Decub", 1.2, 1.6, 1.5, 2.5},
  }};
  return table;
}

ActivityRange activityRange(int index, int sex) {
  const ActivityRow& row = kActivities[index];
  const double factor = sex == 1 ? row.femaleFactor : row.maleFactor;
  return {factor, index == kConfinedToBed ? kConfinedToBedMax : factor};
}

}  // namespace quillion::adult
