#pragma once
// How a run of the command line fails, by exit status. Each what() is one line naming the
// argument or file.
#include <stdexcept>

// Bad usage, or input that cannot be read or is invalid: exit status 2.
class EUsage : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The input was read, but the task has no answer: exit status 1.
class ENoAnswer : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
