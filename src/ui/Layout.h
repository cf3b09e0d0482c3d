#pragma once
// Placing controls where the design puts them. The design's captions are measured for a narrower
// face than ours, so a column of edits moves right where a caption would reach into it.
#include <QLabel>
#include <algorithm>
#include <initializer_list>

inline constexpr int CaptionGap = 6;

template <typename T>
T* Place(T* Control, int Left, int Top, int Width, int Height) {
  Control->setGeometry(Left, Top, Width, Height);
  return Control;
}

// A caption at its design place, as wide as its text.
inline QLabel* NewLabel(QWidget* Parent, const char* Text, int Left, int Top) {
  auto* L = new QLabel(QString::fromUtf8(Text), Parent);
  L->move(Left, Top);
  L->adjustSize();
  return L;
}

// The column at Design, or further right when the widest of Labels, starting at Left, needs it.
inline int EditColumn(int Design, int Left, std::initializer_list<const QLabel*> Labels) {
  int Column = Design;
  for (const QLabel* L : Labels) Column = std::max(Column, Left + L->sizeHint().width() + CaptionGap);
  return Column;
}

// Puts Label on row Top so that it ends just before X.
inline void EndBefore(QLabel* Label, int X, int Top) {
  Label->adjustSize();
  Label->move(X - CaptionGap - Label->width(), Top);
}
