#pragma once
// The errors a computation raises. Their what() is the text the user sees; the window shows
// them in one place, nothing else catches them.
#include <stdexcept>
#include <string>

class EMathError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
  static EMathError DivisionByZero() { return EMathError("Floating point division by zero"); }
  static EMathError InvalidOperation() { return EMathError("Invalid floating point operation"); }
  static EMathError Overflow() { return EMathError("Floating point overflow"); }
};

// A frequency outside a measured load's frequencies: there is no load there to compute with. A
// math error to every sweep, which leaves such a point out as it does one that faults.
class ENoLoadError : public EMathError {
public:
  using EMathError::EMathError;
};

class EConvertError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
  static EConvertError InvalidInteger(const std::string& S) {
    return EConvertError("'" + S + "' is not a valid integer value");
  }
  static EConvertError InvalidFloat(const std::string& S) {
    return EConvertError("'" + S + "' is not a valid floating point value");
  }
};

class EFileError : public std::runtime_error {
public:
  EFileError(const std::string& FileName, const std::string& Reason)
      : std::runtime_error(FileName + ": " + Reason) {}
};

class ESnfError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
  static ESnfError MissingKey(const std::string& Key) {
    return ESnfError("Bad snf-file, Could not find " + Key);
  }
  // A key whose value or data lines are cut off by the end of the file.
  static ESnfError MissingValue(const std::string& Key) {
    return ESnfError("Bad snf-file, Could not find the value of " + Key);
  }
};
