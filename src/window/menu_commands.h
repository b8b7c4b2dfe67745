#pragma once
// The ids of the menu commands, as the command handler compares them.

namespace vornmark {

enum CommandId : int {
  kCommandNewGame = 1,
  kCommandExit = 5,
  kCommandPrint = 7,
  kCommandSimulation = 12,
  kCommandMisc = 13,
  kCommandPlace = 14,
  kCommandHelp = 40,
  kCommandAbout = 41,
  kCommandGeometry = 40001,
  kCommandPacing = 40002,
  kCommandStatistics = 40003,
  // Beyond the original menu: the counting made visible.
  kCommandHint = 40101,
  kCommandVornmarkView = 40102,
  // The colour schemes, in the order of their values in the settings.
  kCommandSchemeClassic = 40110,
  kCommandSchemeColourBlindSafe = 40111,
  kCommandSchemeHighContrast = 40112,
  // The sounds' switch.
  kCommandSound = 40103,
};

}  // namespace vornmark
