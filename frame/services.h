#pragma once
// What a lesson program uses of the machine: windows, sound, time, message
// boxes, files and the launcher.  The pupil's program gets the real ones;
// the test harness hands in recording and scripted ones.

#include "platform/clock.h"
#include "platform/drive_view.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/sound_device.h"
#include "platform/window_set.h"

namespace frame {

struct Services {
    platform::WindowSet& windows;
    platform::SoundDevice& sound;
    platform::Clock& clock;
    platform::MessageBoxes& boxes;
    platform::DriveView& drive;
    platform::Launcher& launcher;
};

}  // namespace frame
