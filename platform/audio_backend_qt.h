#pragma once
// The former name of the sound thread (platform/sound_thread.h), kept only
// until every test names it as it is.

#include "platform/sound_thread.h"

namespace platform {

using QtAudioBackend = SoundThread;

}  // namespace platform
