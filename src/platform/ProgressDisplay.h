#pragma once

#include <QString>
#include <QStringView>

// What the bar says when nothing is under way: at start-up and after every run and export.
inline constexpr QStringView kIdleProgressCaption = u"Progress Bar";
// The same caption for translating where it is shown:
// QCoreApplication::translate("ProgressDisplay", kIdleProgressCaptionText).
inline constexpr char kIdleProgressCaptionText[] =
    QT_TRANSLATE_NOOP("ProgressDisplay", "Progress Bar");

// A progress bar with a position and a caption drawn on it.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;

    // Positions run from 0 to 100 and are real numbers; a position a little above 100 is shown
    // as full.
    virtual void setPosition(double position) = 0;
    virtual double position() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};
