// Whether a navigation window can work in its folder (shared with the board).
#pragma once

#include "trop/store/folder_access.h"
