#pragma once

#include <QString>
#include <QStringView>

// What kind of code a checked code is: its form (EAN-13, UPC-A, ...), or, for the special
// ranges of the GS1 prefixes, what those ranges are kept for.
enum class CodeKind {
    Unknown, // not a checked code
    Ean13,
    Ean8,
    UpcA,
    UpcE,
    Gtin14,
    Isbn,
    Issn,
    Ismn,
    RestrictedCirculation, // in-store codes: one code, different products in different shops
    Coupon,
    RefundReceipt,
};

// What a code says without asking anyone.
struct CodeFacts
{
    CodeKind kind = CodeKind::Unknown;
    // The GS1 member organisation that issued the company prefix ("GS1 Germany"): where the brand
    // owner joined GS1, not the product's country of origin. Empty for the special ranges and for
    // prefixes no office holds.
    QString gs1Office;

    // Nothing behind the code is a product: no database is asked about it.
    bool isNoProduct() const { return kind == CodeKind::Coupon || kind == CodeKind::RefundReceipt; }
};

// The facts of a checked code: 8, 12, 13 or 14 digits with a right check digit (CheckCode's
// gtin). UPC-A and 14-digit codes are classed by their GTIN-13 form. Unknown for anything else.
CodeFacts DescribeCode(QStringView gtin);

// "EAN-13", "UPC-E", "restricted circulation", ...; empty for Unknown.
QString CodeKindText(CodeKind kind);

// The UPC-A code a UPC-E code (8 ASCII digits, number system 0 or 1) stands for, without its
// check digit: the zeros the short form leaves out put back where its last digit says.
QString UpcEExpanded(QStringView upcE);

// The GS1 check digit (EAN, UPC, GTIN) for the ASCII digits before it: weights 3 and 1
// alternate from the right.
QChar Gs1CheckDigit(QStringView digits);

// Whether 8 digits are a UPC-E code: number system 0 or 1, and a last digit that is the check
// digit of the UPC-A code they stand for (which differs from the EAN-8 check digit).
bool IsUpcE(QStringView eightDigits);
