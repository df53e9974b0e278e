#pragma once

#include <QString>
#include <QStringView>

class FileSystem;

// The part of a text after its last backslash, or the whole text when it has none.
QString FileNameFromPath(const QString& text);

// The file name with ".<extension>" added when its own name (after the folders) has no extension;
// empty stays empty, and a name that ends in a dot gets the extension after it.
QString WithDefaultExtension(const QString& fileName, QStringView extension);

// True when the date and time of the file at the path can be read. Never throws.
bool FileExists(const FileSystem& files, const QString& path);

// Removes space characters (U+0020) at both ends; tabs and other white space stay.
QString TrimSpaces(QStringView text);
