#pragma once

namespace engine {

// SQL Server's default text comparison on UTF-8 keys, as SQLite's collation
// callback: case-insensitive, trailing blanks ignored. Sorting a list of
// thousands of Korean names calls it a hundred thousand times, so it folds
// code points in place instead of building strings.
int compareCiAs(void*, int lenA, const void* a, int lenB, const void* b);

}  // namespace engine
