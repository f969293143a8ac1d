#pragma once
// Files written as one whole: a temporary file beside the real one is written,
// flushed to the disk and renamed over it, so a crash or a full disk leaves
// either the old file or the new one, never a truncated mixture. The settings
// file and the pictures the user saves are written this way.
#include <string>
#include <string_view>

namespace vy {

// The absolute, normalised form of path (path itself when that fails).
std::string fullPath(const std::string& path);

// Replaces the file at path by bytes. Returns 0, or the errno of the step that
// failed; the file is then as it was. A file the user made read-only is not
// replaced (renaming over it would succeed where writing it may not).
int replaceWholeFile(const std::string& path, std::string_view bytes);

// replaceWholeFile for a file the user named (a saved picture): a failure
// throws FileCreateFailure, which names the file and the reason.
void saveUserFile(const std::string& path, std::string_view bytes);

// Reads the whole file at path into bytes. Returns 0, or the errno of the step
// that failed (ENOENT for a missing file); bytes is then empty.
int readWholeFile(const std::string& path, std::string& bytes);

} // namespace vy
