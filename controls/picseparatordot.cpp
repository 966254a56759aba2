#include "controls/picseparatordot.h"

#include "framework/fw_resources.h"

fw::PicturePtr PicSeparatorDot() { return fw::ResourcePicture("PicSeparatorDot.gif"); }
