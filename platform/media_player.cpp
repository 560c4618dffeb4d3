#include "media_player.h"

namespace nudgery {

// Out of line, so that the class's meta-object and vtable live in this file.
MediaPlayer::~MediaPlayer() = default;

} // namespace nudgery
