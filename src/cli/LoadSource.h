#pragma once
// What --load names: a fixed load R,X in ohm, or a Touchstone file of one port. A file of that name
// that exists is read as a file, as measured files are often named like 'ro,1.s1p'.
#include <string>
#include <variant>

#include "network/Complex.h"
#include "network/MeasuredLoad.h"

using TLoadSource = std::variant<TComplex, TMeasuredLoad>;

// Raises EUsage naming the argument, or the file and what is wrong with it.
TLoadSource LoadSourceArgument(const std::string& Name, const std::string& Text);

// "<from> to <to> Hz": the frequencies a measured load has values for.
std::string MeasuredRange(const TMeasuredLoad& Load);
