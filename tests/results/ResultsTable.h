#pragma once

#include "platform/ListControl.h"

#include <QStringList>

// Fills a list the way the tests describe tables: one header per column, and one row per
// entry, its cells separated by "|" (column 1 the row's own text, the rest its sub-items). A row
// is ticked unless its entry starts with "-".
inline void FillTable(ListControl& list, const QStringList& headers, const QStringList& rows)
{
    for (const QString& header : headers)
        list.addColumnHeader(header);
    for (const QString& entry : rows) {
        const bool ticked = !entry.startsWith(u'-');
        const QStringList cells = (ticked ? entry : entry.mid(1)).split(u'|');
        const int row = list.add(cells.constFirst());
        for (int n = 1; n < cells.size(); ++n)
            list.setSubItem(row, n, cells[n]);
        list.setChecked(row, ticked);
    }
}
