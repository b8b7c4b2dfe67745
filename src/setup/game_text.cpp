#include "setup/game_text.h"

#include <charconv>

#include "model/board.h"

namespace vornmark {

void GameTextWriter::put(long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text_.append(digits, result.ptr);
}

void GameTextWriter::numbers(std::string_view key, std::initializer_list<long long> values) {
  text_ += key;
  for (long long value : values) {
    text_ += ' ';
    put(value);
  }
  end_line();
}

void GameTextWriter::word(std::string_view key, std::string_view word) {
  text_ += key;
  text_ += ' ';
  text_ += word;
  end_line();
}

void GameTextWriter::board(const Board& board) {
  text_ += "board ";
  text_ += board.display_name();
  end_line();
  const int width = board.width();
  for (int y = 0; y < board.height(); ++y) {
    const std::int32_t* row = board.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) {
      if (x > 0) text_ += ' ';
      put(row[x]);
    }
    end_line();
  }
}

bool parse_number(std::string_view word, long long low, long long high, long long& value) {
  // Written as the writer writes numbers, and no other way: no sign but a minus, no leading zero.
  if (word.empty() || word.size() > 20 || word.front() == '+') return false;
  const std::string_view digits = word.front() == '-' ? word.substr(1) : word;
  if (digits.empty() || (digits.front() == '0' && (digits.size() > 1 || digits.size() != word.size()))) return false;
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  return result.ec == std::errc() && result.ptr == word.data() + word.size() && value >= low && value <= high;
}

bool GameTextReader::next_line() {
  words_.clear();
  if (at_ >= text_.size()) {
    line_ = {};
    return fail("the file ends too early");
  }
  const std::size_t end = text_.find('\n', at_);
  if (end == std::string_view::npos) {
    line_ = text_.substr(at_);
    ++line_number_;
    return fail("the last line has no line end");
  }
  line_ = text_.substr(at_, end - at_);
  at_ = end + 1;
  ++line_number_;
  std::size_t i = 0;
  while (i <= line_.size()) {
    const std::size_t blank = std::min(line_.find(' ', i), line_.size());
    if (blank == i) return fail("a word is missing or the words are not separated by single blanks");
    words_.push_back(line_.substr(i, blank - i));
    i = blank + 1;
  }
  for (char c : line_)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return fail("the line holds a control character");
  return true;
}

bool GameTextReader::is(std::string_view key, std::size_t count) const {
  return !words_.empty() && words_[0] == key && words_.size() == count + 1;
}

bool GameTextReader::numbers(std::string_view key, std::vector<long long>& values, std::size_t count, long long low,
                             long long high) {
  if (!next_line()) return false;
  if (!is(key, count))
    return fail(std::string("expected \"") + std::string(key) + "\" and " + std::to_string(count) +
                (count == 1 ? " number" : " numbers"));
  values.resize(count);
  for (std::size_t i = 0; i < count; ++i)
    if (!parse_number(words_[i + 1], low, high, values[i]))
      return fail(std::string("\"") + std::string(key) + "\" holds a number out of range or no number");
  return true;
}

bool GameTextReader::number(std::string_view key, long long& value, long long low, long long high) {
  std::vector<long long> values;
  if (!numbers(key, values, 1, low, high)) return false;
  value = values[0];
  return true;
}

bool GameTextReader::choice(std::string_view key, std::initializer_list<std::string_view> choices, int& index) {
  if (!next_line()) return false;
  if (!is(key, 1)) return fail(std::string("expected \"") + std::string(key) + "\" and one word");
  index = 0;
  for (std::string_view choice : choices) {
    if (words_[1] == choice) return true;
    ++index;
  }
  return fail(std::string("\"") + std::string(key) + "\" is not one of its words");
}

bool GameTextReader::board(std::string_view name, int size, long long low, long long high,
                           std::vector<std::int32_t>& cells) {
  if (!next_line()) return false;
  if (line_.substr(0, 6) != "board " || line_.substr(6) != name)
    return fail(std::string("expected the board \"") + std::string(name) + "\"");
  cells.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
  for (int y = 0; y < size; ++y) {
    if (!next_line()) return false;
    if (words_.size() != static_cast<std::size_t>(size))
      return fail(std::string("a row of \"") + std::string(name) + "\" does not hold one number a column");
    for (int x = 0; x < size; ++x) {
      long long value = 0;
      if (!parse_number(words_[static_cast<std::size_t>(x)], low, high, value))
        return fail(std::string("\"") + std::string(name) + "\" holds a value out of range or no number");
      cells[static_cast<std::size_t>(x + y * size)] = static_cast<std::int32_t>(value);
    }
  }
  return true;
}

bool GameTextReader::text(std::string_view key, std::size_t max_size, std::string& out) {
  words_.clear();
  if (at_ >= text_.size()) return fail("the file ends too early");
  const std::size_t end = text_.find('\n', at_);
  ++line_number_;
  if (end == std::string_view::npos) return fail("the last line has no line end");
  line_ = text_.substr(at_, end - at_);
  at_ = end + 1;
  if (line_.size() <= key.size() || line_.substr(0, key.size()) != key || line_[key.size()] != ' ')
    return fail(std::string("expected \"") + std::string(key) + "\" and a text");
  const std::string_view rest = line_.substr(key.size() + 1);
  if (rest.size() > max_size) return fail(std::string("\"") + std::string(key) + "\" is too long");
  for (char c : rest)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return fail("the line holds a control character");
  out = std::string(rest);
  return true;
}

bool GameTextReader::at_end() {
  if (at_ < text_.size()) {
    ++line_number_;
    return fail("something follows the end");
  }
  return true;
}

bool GameTextReader::fail(std::string_view why) {
  if (why_.empty()) why_ = "line " + std::to_string(line_number_) + ": " + std::string(why);
  return false;
}

}  // namespace vornmark
