#pragma once
// The Simple Network File (.snf): a network saved as text and read back.
//
// Layout: "#" comment lines, and key lines beginning with ':' each followed by exactly one value
// line, except the header of the element blocks, ":Element data", which has none. The element
// blocks (':0', ':1', ...) carry further data lines after their value line.
#include <optional>
#include <string>
#include <vector>

#include "network/Network.h"

inline constexpr const char* SnfFilter = "Zomar files (*.snf)|*.snf|All files (*.*)|*.*";
inline constexpr const char* SnfExtension = "snf";

// The full name of the last network file opened or saved; the save dialog offers it.
extern std::string CurrentFileName;

// Asks for a file name and writes the network; a cancelled dialog writes nothing.
void SaveSnf(TNetWork& Net);
// Asks for a file and reads it into Net; a cancelled dialog changes nothing. Raises ESnfError,
// EConvertError, EFileError (and EMathError from a line's electrical length); the values read
// before the failure stay in Net.
void LoadSnf(TNetWork& Net);

// The index of the first key line that Key names, or -1. Only key lines count: the line after a
// key line (any but the element header) is its value, never taken for a key, whatever it holds.
// A key line names Key when, after any leading blanks, it begins with Key and Key is not followed
// there by a letter or a digit: ":Frequency" names ":Frequency (Hz)", ':1' names neither ':10'
// nor ':1x'.
int FindKeyLine(const std::vector<std::string>& Lines, const std::string& Key);

// Finds Key as FindKeyLine does. Found: Index is the key line, Value the line after it, true.
// Not found: Index is the number of lines, Value empty, and ESnfError when Required, else false.
// A key on the last line, with no value line, raises ESnfError naming the key.
bool FindKey(const std::vector<std::string>& Lines, bool Required, int& Index, const std::string& Key,
             std::string& Value);

// A number as both files write it: the general number format with 15 significant digits.
std::string FileNumber(double V);

// The text the 15-digit format writes for the largest doubles, '1.79769313486232E308' (with or
// without a minus sign and blanks around it), lies just above the double range; the readers take
// it back as the largest double. Empty for any other text.
std::optional<double> LargestDouble(const std::string& S);

// The plain number conversion of the readers: StrToFloat, and LargestDouble.
double FileFloat(const std::string& S);

// The circuit-name line for a file name: the name without its directory ('/' or '\'), with the
// first ".sbp" removed.
std::string CircuitName(const std::string& FileName);

// The working frequency, the scan settings, Q and Zn as key and value lines, as both files write them.
std::vector<std::string> ScanSettingLines(const TNetWork& Net);

// The lines of the file for Net, with Circuit on the circuit-name line.
std::vector<std::string> SnfLines(const TNetWork& Net, const std::string& Circuit);

// Reads the lines of a network file into Net, in the order the format gives; what LoadSnf does
// after reading the file. Raises as LoadSnf does.
void ReadSnfLines(const std::vector<std::string>& Lines, TNetWork& Net);
