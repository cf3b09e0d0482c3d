#pragma once
// The diagram's tile strip, drawn in code: blue line art on white, 441 x 119 pixels. From the
// left: the input symbol (columns 0..18), the tiles of the element types None .. Line (type t at
// columns 21 + 40 t .. 59 + 40 t), the load symbol (340..359), the open stub's tile (361..399) and
// the short stub's (401..439). Every tile carries the ladder's two wires in rows 23 and 71, so
// boxes standing side by side read as one circuit.
#include "network/Network.h"
#include "platform/Canvas.h"

inline constexpr int SchemaWidth = 441;
inline constexpr int SchemaHeight = 119;
inline constexpr int LoadTileLeft = 340;

// Where the strip's left edge goes when a box shows the tile of type T.
int TileOffset(TElementType T);

void DrawSchema(TBitmap& Strip);
