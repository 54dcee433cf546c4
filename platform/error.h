// Run-time errors and the end of a run.
#pragma once

#include <source_location>
#include <stdexcept>
#include <string>

namespace orvelle {

// Error codes the programs can raise.
enum ErrorCode : int {
  kIllegalFunctionCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
  kInternalError = 51,  // anything that is not one of ours (a library exception)
};

// A failed checked operation: caught once at a program's root and shown on the error screen.
struct RuntimeError : std::runtime_error {
  int code;
  int line;  // the source line of the failing statement
  RuntimeError(int code, int line)
      : std::runtime_error("run-time error " + std::to_string(code) + " in line " +
                           std::to_string(line)),
        code(code),
        line(line) {}
};

[[noreturn]] inline void Raise(int code,
                               std::source_location where = std::source_location::current()) {
  throw RuntimeError(code, static_cast<int>(where.line()));
}

// The end of a run (the window closed, a termination signal, a test's key script used up).
// Deliberately not a std::exception, so nothing that catches errors can swallow it.
struct ProgramEnd {};

}  // namespace orvelle
