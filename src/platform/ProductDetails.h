#pragma once

#include <QString>

// What a database says about a product beyond its name, brand and quantity: shown in the details
// window and written to the batch columns after the first eight. Every field may be empty.
struct ProductDetails
{
    QString categories; // the most specific one or two, ", " between them: "Spreads, Cocoa spreads"
    QString countries;  // where it is sold: "France, Germany"
    QString imageUrl;   // the picture for the details window
    QString thumbnailUrl; // the small picture for lists; may be the same as imageUrl
    QString pageUrl;      // the product's page on its database's site
    QString publishers;   // books: "Gullwing Press, Puffin"
    QString published;    // books: the edition's publish date, as the database writes it
    // What the database says of the product: plain text, perhaps several lines.
    QString description = {};
    // Books from a library catalogue: the author (or the body that wrote it), the record's
    // control number, its subjects ("; " between them), and the catalogue record itself as
    // MARCXML in UTF-8, the one kind of answer that is written out as it came.
    QString author = {};
    QString controlNumber = {};
    QString subjects = {};
    QString record = {};

    bool isEmpty() const
    {
        return categories.isEmpty() && countries.isEmpty() && imageUrl.isEmpty() &&
               thumbnailUrl.isEmpty() && pageUrl.isEmpty() && publishers.isEmpty() &&
               published.isEmpty() && description.isEmpty() && author.isEmpty() &&
               controlNumber.isEmpty() && subjects.isEmpty() && record.isEmpty();
    }
    friend bool operator==(const ProductDetails&, const ProductDetails&) = default;
};
