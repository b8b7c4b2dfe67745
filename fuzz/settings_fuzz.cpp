// Any bytes as the settings file: reading never crashes, every value ends in its range, the
// file read from disk gives what the text gives, and saving settings into that file (keeping
// whatever else it holds) and loading them back gives the settings saved.

#include <cctype>
#include <cstdint>
#include <fstream>

#include "fuzz_support.h"
#include "setup/settings_file.h"

namespace vornmark::fuzz {
namespace {

void check_ranges(const GameSettings& s) {
  FUZZ_CHECK(s.NumberOfShots >= 1 && s.NumberOfShots <= 10, "NumberOfShots %d", s.NumberOfShots);
  FUZZ_CHECK(s.AmbiguityThreshold >= 1 && s.AmbiguityThreshold <= 30, "AmbiguityThreshold %d", s.AmbiguityThreshold);
  FUZZ_CHECK(s.AutomaticMode == 0 || s.AutomaticMode == 1, "AutomaticMode %d", s.AutomaticMode);
  FUZZ_CHECK(s.PauseVornmark <= 1, "PauseVornmark %d", s.PauseVornmark);
  FUZZ_CHECK(s.PausePlayer <= 1, "PausePlayer %d", s.PausePlayer);
  FUZZ_CHECK(s.DefenseMode == 0 || s.DefenseMode == 1, "DefenseMode %d", s.DefenseMode);
  FUZZ_CHECK(s.MaxCells >= kMinGrid && s.MaxCells <= kMaxGrid, "MaxCells %d", s.MaxCells);
  FUZZ_CHECK(s.PlayLevel >= kNovice && s.PlayLevel <= kExpert, "PlayLevel %d", s.PlayLevel);
}

// Settings in range that differ from input to input, from a hash of the bytes.
GameSettings other_settings(std::string_view bytes) {
  std::uint32_t h = 2166136261u;
  for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  GameSettings s;
  s.NumberOfShots = 1 + static_cast<int>(h % 10);
  s.AmbiguityThreshold = 1 + static_cast<int>((h >> 4) % 30);
  s.AutomaticMode = static_cast<int>((h >> 9) & 1);
  s.PauseVornmark = static_cast<std::uint8_t>((h >> 10) & 1);
  s.PausePlayer = static_cast<std::uint8_t>((h >> 11) & 1);
  s.DefenseMode = static_cast<int>((h >> 12) & 1);
  s.MaxCells = kMinGrid + static_cast<int>((h >> 13) % (kMaxGrid - kMinGrid + 1));
  s.PlayLevel = static_cast<int>((h >> 18) % 4);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// The lines that saving must leave as they are: all but blank lines, "[Options]" headers and
// lines that set one of the eight keys (wherever they stand), without their line ends.
std::vector<std::string_view> other_lines(std::string_view text) {
  static constexpr const char* kKeys[] = {"NumberOfShots", "AmbiguityThreshold", "AutomaticMode", "PauseVornmark",
                                          "PausePlayer",   "DefenseMode",        "MaxCells",      "PlayLevel"};
  std::vector<std::string_view> kept;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line == "[Options]") continue;
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
      std::string_view key = line.substr(0, equals);
      while (!key.empty() && std::isspace(static_cast<unsigned char>(key.front()))) key.remove_prefix(1);
      while (!key.empty() && std::isspace(static_cast<unsigned char>(key.back()))) key.remove_suffix(1);
      bool owned = false;
      for (const char* name : kKeys) owned = owned || same_name(key, name);
      if (owned) continue;
    }
    kept.push_back(line);
  }
  return kept;
}

std::string file_text(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace
}  // namespace vornmark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vornmark;
  using namespace vornmark::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const GameSettings from_text = settings_from_text(bytes);
  check_ranges(from_text);

  // The same bytes as the file on disk.
  const std::filesystem::path dir = scratch_dir() / "settings";
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / kSettingsFileName;
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  FUZZ_CHECK(load_settings(dir) == from_text, "the file read from disk differs from its text");

  // Saving what was loaded changes nothing that a load sees.
  UnflushedFileOps ops;
  FUZZ_CHECK(save_settings(from_text, dir, ops), "saving over the file failed");
  const std::string once = file_text(file);
  FUZZ_CHECK(load_settings(dir) == from_text, "saving the loaded settings changed them");
  // Saving them again writes the same text.
  FUZZ_CHECK(save_settings(from_text, dir, ops), "saving a second time failed");
  FUZZ_CHECK(file_text(file) == once, "a second save of the same settings changed the file");

  // Other settings saved into the original bytes come back as saved, and every line of the
  // original that is outside the section survives.
  const GameSettings other = other_settings(bytes);
  const std::string merged = settings_into_text(bytes, other);
  FUZZ_CHECK(settings_from_text(merged) == other, "settings saved into the text do not load back");
  FUZZ_CHECK(settings_into_text(merged, other) == merged, "saving the same settings twice changed the text");
  FUZZ_CHECK(other_lines(merged) == other_lines(bytes), "saving changed lines it does not own");
  return 0;
}
