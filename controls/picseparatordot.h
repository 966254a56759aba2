#pragma once
#include "framework/fw_picture.h"

// The grip art of the split view's dividers: a strip two squares wide, the
// left square the grip, the right one its mask. nullptr when it cannot be read.
fw::PicturePtr PicSeparatorDot();
