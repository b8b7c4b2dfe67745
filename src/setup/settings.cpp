#include "setup/settings.h"

namespace vornmark {

int setting_value(const GameSettings& s, SettingId id) {
  switch (id) {
    case SettingId::NumberOfShots:
      return s.NumberOfShots;
    case SettingId::AmbiguityThreshold:
      return s.AmbiguityThreshold;
    case SettingId::AutomaticMode:
      return s.AutomaticMode;
    case SettingId::PauseVornmark:
      return s.PauseVornmark;
    case SettingId::PausePlayer:
      return s.PausePlayer;
    case SettingId::DefenseMode:
      return s.DefenseMode;
    case SettingId::MaxCells:
      return s.MaxCells;
    case SettingId::PlayLevel:
      return s.PlayLevel;
    case SettingId::Hint:
      return s.Hint;
    case SettingId::VornmarkView:
      return s.VornmarkView;
    case SettingId::ColourScheme:
      return s.ColourScheme;
    case SettingId::Sound:
      return s.Sound;
  }
  return 0;
}

void set_setting_value(GameSettings& s, SettingId id, int value) {
  switch (id) {
    case SettingId::NumberOfShots:
      s.NumberOfShots = value;
      break;
    case SettingId::AmbiguityThreshold:
      s.AmbiguityThreshold = value;
      break;
    case SettingId::AutomaticMode:
      s.AutomaticMode = value;
      break;
    case SettingId::PauseVornmark:
      s.PauseVornmark = static_cast<std::uint8_t>(value);
      break;
    case SettingId::PausePlayer:
      s.PausePlayer = static_cast<std::uint8_t>(value);
      break;
    case SettingId::DefenseMode:
      s.DefenseMode = value;
      break;
    case SettingId::MaxCells:
      s.MaxCells = value;
      break;
    case SettingId::PlayLevel:
      s.PlayLevel = value;
      break;
    case SettingId::Hint:
      s.Hint = value;
      break;
    case SettingId::VornmarkView:
      s.VornmarkView = value;
      break;
    case SettingId::ColourScheme:
      s.ColourScheme = value;
      break;
    case SettingId::Sound:
      s.Sound = value;
      break;
  }
}

int stored_setting_value(SettingId id, long long read) {
  const SettingDeclaration& declared = setting(id);
  switch (declared.stored) {
    case StoredValue::NonZeroIsOne:
      return read != 0 ? 1 : 0;
    case StoredValue::OnlyOneIsOne:
      return read == 1 ? 1 : 0;
    case StoredValue::OutsideIsDefault:
      return in_range(id, read) ? static_cast<int>(read) : declared.default_value;
    case StoredValue::Clamped:
      break;
  }
  return read < declared.low ? declared.low : read > declared.high ? declared.high : static_cast<int>(read);
}

}  // namespace vornmark
