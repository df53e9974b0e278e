#pragma once

#include "platform/PictureMakers.h"

// Qt's image readers, Poppler and ZBar.
const PictureMakers& BuiltInPictureMakers();
