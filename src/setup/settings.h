#pragma once
// The options kept between runs, each declared once: its key in the settings file, its
// default, its range and how a stored value is read. The settings file, the option dialogs'
// checks and vornmark-sim's options all read this table. Fields bear the names of their keys.

#include <array>
#include <cstdint>

namespace vornmark {

enum class SettingId : int {
  NumberOfShots,
  AmbiguityThreshold,
  AutomaticMode,
  PauseVornmark,
  PausePlayer,
  DefenseMode,
  MaxCells,
  PlayLevel,
  Hint,
  VornmarkView,
  ColourScheme,
  Sound,
};

// How a value read from the file is brought into the setting's range.
enum class StoredValue {
  Clamped,           // a number brought into low..high
  NonZeroIsOne,      // 1 for any value but 0
  OnlyOneIsOne,      // 1 only for exactly 1
  OutsideIsDefault,  // the default for any value outside low..high: a choice among names, not a scale
};

// Whether saving writes the key always, or only once it leaves its default (and wherever the file
// already has it), so that a file stays as it was for a player who never uses the setting.
enum class Written { Always, OnceSet };

struct SettingDeclaration {
  SettingId id;
  const char* key;
  int default_value;
  int low;
  int high;
  StoredValue stored;
  Written written = Written::Always;
};

// In the order in which the file is read and written.
inline constexpr std::array<SettingDeclaration, 12> kSettings = {{
    {SettingId::NumberOfShots, "NumberOfShots", 10, 1, 10, StoredValue::Clamped},
    {SettingId::AmbiguityThreshold, "AmbiguityThreshold", 10, 1, 30, StoredValue::Clamped},
    {SettingId::AutomaticMode, "AutomaticMode", 1, 0, 1, StoredValue::NonZeroIsOne},
    {SettingId::PauseVornmark, "PauseVornmark", 1, 0, 1, StoredValue::OnlyOneIsOne},
    {SettingId::PausePlayer, "PausePlayer", 1, 0, 1, StoredValue::OnlyOneIsOne},
    {SettingId::DefenseMode, "DefenseMode", 0, 0, 1, StoredValue::NonZeroIsOne},
    {SettingId::MaxCells, "MaxCells", 15, 4, 30, StoredValue::Clamped},
    {SettingId::PlayLevel, "PlayLevel", 1, 0, 3, StoredValue::Clamped},
    // The counting made visible: the hint while the player aims, Vornmark's view of its volley.
    {SettingId::Hint, "Hint", 0, 0, 1, StoredValue::NonZeroIsOne, Written::OnceSet},
    {SettingId::VornmarkView, "VornmarkView", 0, 0, 1, StoredValue::NonZeroIsOne, Written::OnceSet},
    // The colours of the window: 0 Classic, 1 colour-blind safe, 2 high contrast.
    {SettingId::ColourScheme, "ColourScheme", 0, 0, 2, StoredValue::OutsideIsDefault, Written::OnceSet},
    // The window's sounds, on unless switched off.
    {SettingId::Sound, "Sound", 1, 0, 1, StoredValue::NonZeroIsOne, Written::OnceSet},
}};

constexpr const SettingDeclaration& setting(SettingId id) { return kSettings[static_cast<std::size_t>(id)]; }

struct GameSettings {
  std::int32_t NumberOfShots = setting(SettingId::NumberOfShots).default_value;
  std::int32_t AmbiguityThreshold = setting(SettingId::AmbiguityThreshold).default_value;
  std::int32_t AutomaticMode = setting(SettingId::AutomaticMode).default_value;
  std::uint8_t PauseVornmark = setting(SettingId::PauseVornmark).default_value;
  std::uint8_t PausePlayer = setting(SettingId::PausePlayer).default_value;
  std::int32_t DefenseMode = setting(SettingId::DefenseMode).default_value;
  std::int32_t MaxCells = setting(SettingId::MaxCells).default_value;
  std::int32_t PlayLevel = setting(SettingId::PlayLevel).default_value;
  std::int32_t Hint = setting(SettingId::Hint).default_value;
  std::int32_t VornmarkView = setting(SettingId::VornmarkView).default_value;
  std::int32_t ColourScheme = setting(SettingId::ColourScheme).default_value;
  std::int32_t Sound = setting(SettingId::Sound).default_value;

  friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// A setting's value as a number, and a number stored into it (already in range).
int setting_value(const GameSettings& settings, SettingId id);
void set_setting_value(GameSettings& settings, SettingId id, int value);
// Whether a number lies in the setting's range.
constexpr bool in_range(SettingId id, long long value) { return value >= setting(id).low && value <= setting(id).high; }
// A value read from the settings file, brought into the setting's range.
int stored_setting_value(SettingId id, long long read);

enum PlayLevelValue { kNovice = 0, kIntermediate = 1, kAdvanced = 2, kExpert = 3 };

constexpr int kMinGrid = setting(SettingId::MaxCells).low;
constexpr int kMaxGrid = setting(SettingId::MaxCells).high;

}  // namespace vornmark
