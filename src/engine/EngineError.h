#pragma once

#include <QString>
#include <stdexcept>

namespace engine {

// Raised by the embedded engine for any failure; code is SQLite's result code
// (or SQLITE_ERROR for a construct the T-SQL layer does not support).
class EngineError : public std::runtime_error {
  public:
    EngineError(int code, const QString& message)
        : std::runtime_error(message.toStdString()), code_(code), message_(message) {}
    int code() const { return code_; }
    const QString& message() const { return message_; }

  private:
    int code_;
    QString message_;
};

// A construct outside the T-SQL subset: "not supported by the embedded engine: what".
[[noreturn]] void unsupported(const QString& what);
// The same, naming where in the batch text the construct stands.
[[noreturn]] void unsupportedAt(const QString& what, int pos);

}  // namespace engine
