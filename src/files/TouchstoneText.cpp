#include "files/TouchstoneText.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t QuotedLength = 24;

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

char Upper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

std::string_view Trimmed(std::string_view S) {
  while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
  while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
  return S;
}

// The position of C in S from From on, or S.size(); memchr is what makes a large file quick to split.
std::size_t Find(std::string_view S, std::size_t From, char C) {
  if (From >= S.size()) return S.size();
  const void* At = std::memchr(S.data() + From, C, S.size() - From);
  return At ? static_cast<std::size_t>(static_cast<const char*>(At) - S.data()) : S.size();
}

}  // namespace

TLineCursor::TLineCursor(std::string_view Text)
    : Text(Text), Position(Text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0) {
  Lf = Find(Text, Position, '\n');
  Cr = Find(Text, Position, '\r');
}

bool TLineCursor::Next(std::string_view& Content) {
  if (Position >= Text.size()) return false;
  if (Lf < Position) Lf = Find(Text, Position, '\n');
  if (Cr < Position) Cr = Find(Text, Position, '\r');
  const std::size_t End = std::min(Lf, Cr);
  const std::string_view Line = Text.substr(Position, End - Position);
  Position = End + (End + 1 < Text.size() && Text[End] == '\r' && Text[End + 1] == '\n' ? 2 : 1);
  ++LineNumber;
  Content = Trimmed(Line.substr(0, Line.find('!')));
  return true;
}

std::string_view NextWord(std::string_view& Rest) {
  std::size_t Start = 0;
  while (Start < Rest.size() && IsBlank(Rest[Start])) ++Start;
  std::size_t End = Start;
  while (End < Rest.size() && !IsBlank(Rest[End])) ++End;
  const std::string_view Word = Rest.substr(Start, End - Start);
  Rest.remove_prefix(End);
  return Word;
}

std::size_t WordCount(std::string_view Text) {
  std::size_t Count = 0;
  while (!NextWord(Text).empty()) ++Count;
  return Count;
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() &&
         std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) { return Upper(X) == Upper(Y); });
}

std::string Quoted(std::string_view Word) {
  std::string Text = "'";
  for (const char C : Word.substr(0, QuotedLength)) Text += C >= ' ' && C <= '~' ? C : '?';
  return Text + (Word.size() > QuotedLength ? "...'" : "'");
}
