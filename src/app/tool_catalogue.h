// The 27 tools in list order, and how each tool's window is put together.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string_view>

#include "platform/window.h"

namespace quillion::app {

inline constexpr int kToolCount = 27;

struct ToolRow {
  int id;
  std::string_view title;
};

extern const std::array<ToolRow, kToolCount> kToolCatalogue;

enum class ToolKind { Sheet, Reference, Parenteral };

using PageMaker = std::unique_ptr<platform::Form> (*)();

// One tab of a tool sheet: a calculator page made by `make`, or a reference page for
// `documentId`; a page whose calculator is not part of this version has neither.
struct TabRecipe {
  std::string_view caption;
  PageMaker make = nullptr;
  int documentId = 0;
};

struct ToolRecipe {
  ToolKind kind;
  std::string_view caption;  // sheet caption
  int documentId = 0;        // reference window
  std::span<const TabRecipe> tabs;
};

const ToolRecipe& toolRecipe(int toolId);

// Builds the pages of one opening of a sheet tool, in tab order.
std::unique_ptr<platform::Form> makePage(const TabRecipe& tab);

}  // namespace quillion::app
