#pragma once

// Reading a score: each line becomes a statement or a diagnostic. Only the
// form of each statement is checked here; whether its objects, classes and
// messages exist is the checker's business (score_checker.h).

#include <istream>
#include <optional>
#include <string>

#include "diagnostics.h"
#include "score.h"

namespace zun::tools {

// `directory` is where the score's relative file paths start.
Score parseScore(std::istream& in, const std::string& directory, Diagnostics& diagnostics);

// Reads the file, or standard input for "-" (relative paths then start at
// the working directory); nullopt for a file that cannot be read (a
// directory, a missing file), reported at line 0.
std::optional<Score> parseScoreFile(const std::string& path, Diagnostics& diagnostics);

}  // namespace zun::tools
