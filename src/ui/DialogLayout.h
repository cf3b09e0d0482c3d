#pragma once
// Dialog rows of a caption and an edit. The design places the edits at fixed columns for its own,
// narrower face; these keep that layout but move a column right where a caption would reach
// into it, so no caption is clipped.
#include <QLabel>
#include <initializer_list>

inline constexpr int CaptionGap = 6;

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
