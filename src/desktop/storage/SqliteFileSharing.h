#pragma once

// A newer product index takes the name of the one readers have open, and they keep reading the
// file they opened until they reopen (SqliteProductIndex::reopenIfReplaced). Linux lets a rename
// replace an open file; Windows lets it only when every handle on the file shares its deletion,
// which SQLite's Windows layer does not ask for. Called before SQLite opens the index: on Windows
// it has SQLite open its files sharing their deletion (SqliteFileSharing_win.cpp); elsewhere
// there is nothing to do (SqliteFileSharing.cpp).
void ShareSqliteFilesForReplacing();
