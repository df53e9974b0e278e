#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// What the product details window shows of one results row, every text ready to be shown.
struct ProductSheet
{
    QString title; // the product's name, or the row's text when nothing was found
    // Label and value, in the order shown; only facts that have a value.
    QList<QPair<QString, QString>> facts;
    QString pageUrl; // the product's page; empty: no link
};

// The product details window: one at a time, beside the main window, which stays usable. The
// real one is QtDetailsWindow; its keys, its link and its closing come back to Form1's
// DetailsWindow_ handlers.
class DetailsWindow
{
public:
    virtual ~DetailsWindow() = default;

    // Opens the window, or brings the open one up to date, with these facts; the picture's place
    // reads "Loading picture..." until showPicture() or showNoPicture().
    virtual void show(const ProductSheet& sheet) = 0;
    // Shows the picture in these bytes; false, and "no picture" instead, when they are no picture
    // the window can show.
    virtual bool showPicture(const QByteArray& bytes) = 0;
    virtual void showNoPicture() = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
};
