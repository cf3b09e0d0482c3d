#pragma once
// The text of a Touchstone file as lines and words, read in place: a file of a hundred megabytes
// is not copied line by line.
#include <cstddef>
#include <string>
#include <string_view>

// The lines of a text one by one: CR LF, LF or a lone CR ends a line, a UTF-8 byte-order mark at
// the start is dropped. Each comes without its comment (from '!') and its outer blanks and tabs.
class TLineCursor {
public:
  explicit TLineCursor(std::string_view Text);
  // False at the end of the text.
  bool Next(std::string_view& Content);
  // The number of the line Next gave last, from 1.
  std::size_t Number() const { return LineNumber; }

private:
  std::string_view Text;
  std::size_t Position = 0, LineNumber = 0;
  // The next LF and CR from Position on, each searched again only once passed, so that a text
  // with only one kind of line end is not searched to its end for the other at every line.
  std::size_t Lf = 0, Cr = 0;
};

// The first word of Rest, words being parted by blanks and tabs; Rest keeps what follows it.
// Empty when Rest has none left.
std::string_view NextWord(std::string_view& Rest);

// The number of words in Text.
std::size_t WordCount(std::string_view Text);

// Equal but for the case of ASCII letters.
bool SameText(std::string_view A, std::string_view B);

// A word of the file in quotes for a message: cut short, and with bytes that are not printable
// ASCII shown as '?'.
std::string Quoted(std::string_view Word);
