#pragma once

#include "engine/Token.h"

namespace engine {

// Splits T-SQL text into tokens without losing a character. Throws EngineError
// on an unterminated string, identifier or comment.
Tokens tokenize(const QString& sql);

// The tokens' texts joined: the input of tokenize() again.
QString joinTokens(const Tokens& tokens);

// Identifier text without its brackets or quotes (doubled closers undone).
QString identifierName(const Token& token);

// Value of a 'string' or N'string' token (doubled quotes undone).
QString stringValue(const Token& token);

// True for a Word token equal to keyword, ignoring case.
bool isKeyword(const Token& token, const char* keyword);

}  // namespace engine
