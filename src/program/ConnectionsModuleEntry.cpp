// The connections module's one entry: the table of its makers (program/ConnectionMakers.h).
#include "program/ConnectionMakers.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const ConnectionMakers* quillfen_connection_makers()
{
    return &BuiltInConnectionMakers();
}
