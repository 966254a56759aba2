#pragma once
// Files and folders: items, text streams and the special folders.
#include "framework/fw_folderitem.h"
#include "framework/fw_specialfolder.h"
#include "framework/fw_textstreams.h"
