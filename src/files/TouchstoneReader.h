#pragma once
// Touchstone files of one port, in version 1 and version 2 syntax, as measured loads.
//
// The port count is what [Number of Ports] says; without it, what an extension .sNp says; without
// that, what the first frequency's numbers say: 1 + 2 N^2 of them on the line of the frequency and
// on the lines after it that hold an even count of numbers, where a frequency's values go on
// without a new frequency. A file of more than one port is refused with its port count.
//
// Frequencies must rise strictly. The first option line counts; later ones, and one after the
// first data, are not read. [Reference] replaces the option line's resistance. Keywords other
// than [Version], [Number of Ports], [Number of Frequencies], [Reference], [Network Data],
// [Begin Information] .. [End Information] and [End] are skipped; nothing after [End] is read.
#include <cstddef>
#include <string>
#include <string_view>

#include "network/MeasuredLoad.h"

// A larger file is refused before it is read, as it is read whole.
inline constexpr std::size_t MaxTouchstoneSize = std::size_t(1) << 30;

// The load the file describes, its reflections referenced to the file's reference resistance.
// Raises EFileError naming the file, and the line where the text is at fault.
TMeasuredLoad ReadTouchstoneLoad(const std::string& FileName);

// The same for the text of the file FileName.
TMeasuredLoad TouchstoneLoad(std::string_view Text, const std::string& FileName);
