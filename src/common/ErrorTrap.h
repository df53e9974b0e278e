#pragma once

#include "common/ErrorReport.h"
#include "common/ProgramEnding.h"

#include <QStringView>

class MessageBox;

// The error trap of a reporting procedure. Each statement of the procedure runs through the trap
// with its line number, written out in the source (100, 102, 104, ...):
//
//     ErrorTrap trap(box, Location::PushButton2_Click);
//     trap(100, [&] { ListView2.clear(); });
//     if (trap.holdsOrFails(102, [&] { return answer.isEmpty(); }))
//         return;
//
// A failing statement is reported with the procedure's location and that line, and the procedure
// goes on with the next statement; a failing condition enters the branch it guards. A failure in
// a routine without a trap of its own abandons that routine and surfaces here, at the line of the
// call. The line numbers are checked for order and spacing by a test over the sources, so they
// cannot drift as procedures change.
class ErrorTrap final
{
public:
    ErrorTrap(MessageBox& box, QStringView location)
        : m_box(box)
        , m_location(location)
    {}
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    template <typename Statement>
    void operator()(int line, Statement&& statement)
    {
        holdsOrFails(line, [&] {
            statement();
            return true;
        });
    }

    // True when the condition holds, and also when evaluating it failed (after the report): a
    // failing condition enters the branch it guards, and the name says so at every call site.
    template <typename Condition>
    bool holdsOrFails(int line, Condition&& condition)
    {
        try {
            return condition();
        } catch (const ProgramEnding&) {
            throw;
        } catch (...) {
            ShowErrorReport(m_box, DescribeCurrentException(), m_location, line);
            return true;
        }
    }

private:
    MessageBox& m_box;
    QStringView m_location;
};
