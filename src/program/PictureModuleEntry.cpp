// The pictures module's one entry: the table of its makers (platform/PictureMakers.h).
#include "desktop/barcodes/PictureMakers.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const PictureMakers* quillfen_picture_makers()
{
    return &BuiltInPictureMakers();
}
