#pragma once
// The game file's text, written and read a line at a time. Each line is a key and its values
// separated by single blanks; a board is a "board NAME" line and its rows of numbers. The reader
// is strict: it takes the lines in the order they are written, and the first line it does not
// expect ends the reading with a reason that names the line.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vornmark {

class Board;

class GameTextWriter {
 public:
  // "key v1 v2 ..."
  void numbers(std::string_view key, std::initializer_list<long long> values);
  // "key word"
  void word(std::string_view key, std::string_view word);
  // "board NAME" and the board's rows.
  void board(const Board& board);
  // Appends a number or a word to the line being written; end_line ends it.
  void put(std::string_view key) { text_ += key; }
  void put(long long value);
  void end_line() { text_ += '\n'; }

  const std::string& text() const { return text_; }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

class GameTextReader {
 public:
  explicit GameTextReader(std::string_view text) : text_(text) {}

  // Takes the next line and splits it into words; false (with a reason) at the end of the text
  // or on a line that is not words separated by single blanks.
  bool next_line();
  // The words of the line taken last.
  const std::vector<std::string_view>& words() const { return words_; }
  // Whether the line is `key` followed by exactly `count` words.
  bool is(std::string_view key, std::size_t count) const;

  // The line `key n1 ... nk`, each number within low..high; false with a reason otherwise.
  bool numbers(std::string_view key, std::vector<long long>& values, std::size_t count, long long low, long long high);
  bool number(std::string_view key, long long& value, long long low, long long high);
  // The line `key WORD`; the word is one of `choices`, whose index is returned in `index`.
  bool choice(std::string_view key, std::initializer_list<std::string_view> choices, int& index);
  // The line "board NAME" and `size` rows of `size` numbers within low..high.
  bool board(std::string_view name, int size, long long low, long long high, std::vector<std::int32_t>& cells);
  // The line `key TEXT`, TEXT taken as it is (blanks too), at most max_size characters.
  bool text(std::string_view key, std::size_t max_size, std::string& out);
  // The rest of the text must be empty.
  bool at_end();

  // Ends the reading: the reason names the line. Always false.
  bool fail(std::string_view why);
  const std::string& why() const { return why_; }
  int line_number() const { return line_number_; }
  // The line taken last, as it is.
  std::string_view line() const { return line_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::string_view line_;
  int line_number_ = 0;
  std::vector<std::string_view> words_;
  std::string why_;
};

// A whole decimal number within low..high as the writer writes it (an optional minus sign, then
// digits without a leading zero), or false.
bool parse_number(std::string_view word, long long low, long long high, long long& value);

}  // namespace vornmark
