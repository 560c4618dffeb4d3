#pragma once
// The program's pictures are shared with the notification window and the tray icon.

#include "art/ProgramArt.h"
