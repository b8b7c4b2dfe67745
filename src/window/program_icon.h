#pragma once
// The program's icon "TARNQUIL", at every size drawn for it.

#include <QIcon>
#include <array>

namespace vornmark {

inline constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QIcon program_icon();

}  // namespace vornmark
