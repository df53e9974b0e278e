#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The list of the pictures saved in a folder, kept in that folder for a shop's import or a script
// to pick the files up, and for the next run to know what it saved.
inline constexpr QStringView kPictureManifestName = u"pictures.csv";

// One saved picture: the product's GTIN, the file's name in the folder, the source that gave the
// picture and its address, and the file's size and SHA-256 (lower-case hexadecimal).
struct PictureManifestRow
{
    QString gtin;
    QString file;
    QString source;
    QString address;
    qint64 bytes = 0;
    QString sha256;

    bool operator==(const PictureManifestRow&) const = default;
};

// gtin, file, source, address, bytes, sha256.
QStringList PictureManifestColumns();

// The manifest's bytes: its header and a row each, as CSV (RFC 4180, CR LF), every cell made
// safe from being taken for a formula.
QByteArray PictureManifestBytes(const QList<PictureManifestRow>& rows);

// The rows of a manifest. Nothing when the bytes are no manifest of Quillfen's (another header,
// not text), so that a file of that name the user keeps is never taken for one and never
// replaced; a row whose GTIN, file name, size or SHA-256 is not as Quillfen writes them is left
// out.
std::optional<QList<PictureManifestRow>> ReadPictureManifest(const QByteArray& bytes);
