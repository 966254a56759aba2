#pragma once
// The pictures of the windows, from the application's Resources folder: each is
// read once and kept; while its file is missing, each call looks again and
// answers nullptr. (The split view's grip, "PicSeparatorDot.gif", has its
// accessor beside the split view, its only user.)
#include "framework/fw_picture.h"

fw::PicturePtr locked();
fw::PicturePtr unlocked();
fw::PicturePtr newIcon64();
fw::PicturePtr paypal();
fw::PicturePtr eye();
