#include "app/pictures.h"

#include "framework/fw_resources.h"

fw::PicturePtr locked() { return fw::ResourcePicture("locked.gif"); }
fw::PicturePtr unlocked() { return fw::ResourcePicture("unlocked.gif"); }
fw::PicturePtr newIcon64() { return fw::ResourcePicture("newIcon64.pct"); }
fw::PicturePtr paypal() { return fw::ResourcePicture("paypal.gif"); }
fw::PicturePtr eye() { return fw::ResourcePicture("eye.png"); }
