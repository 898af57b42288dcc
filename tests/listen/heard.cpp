// heard: how much of an explanation page's narration a recording of the
// speakers holds (scripts/listen makes the recording and runs this).
//
//   heard UNIT PAGE [RECORDING EVENTS]
//
// With UNIT and PAGE alone it prints how long to listen to the page.
// RECORDING is a 16-bit WAV of the sound server's output from before the
// page started.  EVENTS holds the server's events with the time each was
// seen, one a line ("1765412345.123456789 Event 'new' on sink-input #3"):
// the first stream is the reference, the page's first sound played by a
// player that hands the server the whole file at once; every later stream
// is one of the page's narrations, in the page's order.  The reference
// ties the event times to the recording.  Each narration may be heard for
// the slot its page gives it (from its start to when the page closes it):
// its voiced time within that slot is what should be heard, and the
// recording's voiced time while its stream was open is what was.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "platform/tool_options.h"
#include "tests/support/page_timeline.h"
#include "tests/support/voiced.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr std::string_view kUsage =
    "usage: heard UNIT PAGE [RECORDING EVENTS]\n"
    "With UNIT and PAGE alone: how long to listen to the page, in seconds, from its\n"
    "start to the end of its last narration, with a little to spare.\n"
    "How much of the narration of explanation PAGE of UNIT the recording of the\n"
    "speakers holds, per narration and for the page: the voiced time heard while\n"
    "each narration's stream was open, against its voiced time within the slot\n"
    "the page gives it, and when each started against its traced time, both counted\n"
    "from the page's first narration; the drift is the last narration's.\n"
    "EVENTS: the sound server's stream events, each with the\n"
    "time it was seen; the first stream is a reference play of the page's first\n"
    "sound.  Made and run by scripts/listen.\n";

// A little for the time between the server's event and its being seen.
constexpr milliseconds kSeenLate{30};

// A stream the page has not closed by the end of the recording plays on.
constexpr double kPlaysOn = 3600;

struct Stream {
    double opened = 0, closed = 0;  // seconds, as seen
};

// The streams of the events, in the order they were opened.
std::vector<Stream> streams_of(const fs::path& events) {
    constexpr std::string_view kEvent = " Event '", kOn = "' on sink-input #";
    std::vector<Stream> streams;
    std::map<std::string, std::size_t> open;
    std::ifstream in(events);
    for (std::string line; std::getline(in, line);) {
        const std::size_t event = line.find(kEvent), on = line.find(kOn);
        if (event == std::string::npos || on == std::string::npos || on < event) continue;
        const double at = std::stod(line.substr(0, event));
        const std::string kind = line.substr(event + kEvent.size(), on - event - kEvent.size());
        const std::string number = line.substr(on + kOn.size());
        if (kind == "new") {
            open[number] = streams.size();
            streams.push_back({at, at + kPlaysOn});
        } else if (const auto found = open.find(number); kind == "remove" && found != open.end()) {
            streams[found->second].closed = at;
            open.erase(found);
        }
    }
    return streams;
}

milliseconds ms(double seconds) { return milliseconds(static_cast<long long>(seconds * 1000 + 0.5)); }
double s(milliseconds time) { return double(time.count()) / 1000; }
double s_of_frames(std::size_t frames) { return s(harness::kVoicedFrame * frames); }

struct Played {
    const harness::Narration* narration;
    harness::VoicedSound sound;
    std::optional<Stream> stream;  // none when the server saw too few streams
};

// Recording time of a time seen, from the reference: its voice started
// where the recording first shows a voice.
struct Clock {
    double lag = 0;
    milliseconds at(double seen) const { return ms(seen + lag); }
};

milliseconds slot_of(const Played& one) {
    return one.narration->closed ? *one.narration->closed - one.narration->start : one.sound.length();
}

// Gives each stream after the reference to the narration it plays: in order
// when the server saw as many as the page plays.  Else (a stalled server
// never saw some plays, and how long a stream stayed open then says little)
// by when each opened: the page's traced starts are laid on the streams
// where the most of them open within kNear of one, and each stream goes to
// the narration it opened nearest to; a narration the server never saw has
// no stream, and a stream that opened where none starts is given to none.
// How many were given.
std::size_t give_streams(std::vector<Played>& played, const std::vector<Stream>& streams) {
    if (streams.size() == played.size() + 1) {
        for (std::size_t one = 0; one < played.size(); ++one) played[one].stream = streams[one + 1];
        return played.size();
    }
    constexpr double kNear = 0.4;
    const auto nearest = [&](double opened, double page_start) {
        std::optional<std::size_t> best;
        for (std::size_t one = 0; one < played.size(); ++one) {
            const double off = std::abs(opened - page_start - s(played[one].narration->start));
            if (off < kNear && (!best || off < std::abs(opened - page_start - s(played[*best].narration->start))))
                best = one;
        }
        return best;
    };
    double page_start = 0;
    std::size_t most = 0;
    for (std::size_t stream = 1; stream < streams.size(); ++stream)
        for (const Played& one : played) {
            const double start = streams[stream].opened - s(one.narration->start);
            std::size_t near = 0;
            for (std::size_t other = 1; other < streams.size(); ++other) near += nearest(streams[other].opened, start) ? 1 : 0;
            if (near > most) most = near, page_start = start;
        }
    std::size_t given = 0;
    for (std::size_t stream = 1; stream < streams.size(); ++stream)
        if (const auto one = nearest(streams[stream].opened, page_start); one && !played[*one].stream) {
            played[*one].stream = streams[stream];
            ++given;
        }
    return given;
}

// How far the page's voices lie from where the reference's timing puts
// them: the shift that lays the most of their voiced frames, each cut where
// its stream closed, on voiced frames of the recording.  The same for every
// narration of a page; a narration heard later than the others loses the
// difference.
milliseconds best_shift(const harness::VoicedSound& recording, const std::vector<Played>& played, Clock clock) {
    milliseconds best{0};
    std::size_t most = 0;
    for (milliseconds shift{-3000}; shift <= milliseconds{3000}; shift += harness::kVoicedFrame) {
        std::size_t matched = 0;
        for (const Played& one : played) {
            if (!one.stream) continue;
            const auto first = (clock.at(one.stream->opened) + shift).count() / harness::kVoicedFrame.count();
            const auto open = ms(one.stream->closed - one.stream->opened) / harness::kVoicedFrame;
            for (long long f = 0; f < open && f < static_cast<long long>(one.sound.frames.size()); ++f) {
                const long long at = first + f;
                if (at >= 0 && at < static_cast<long long>(recording.frames.size()) && one.sound.frames[f] &&
                    recording.frames[at])
                    ++matched;
            }
        }
        if (matched > most) most = matched, best = shift;
    }
    return best;
}

struct Heard {
    double voiced = 0, heard = 0;
    // When the sound's first sample was played, in recording time: where its
    // voice was first heard while its stream was open, less where the sound
    // itself begins to speak.
    std::optional<milliseconds> started;
    milliseconds slot{0};
    double open_for = 0;
};

Heard hear(const Played& one, const harness::VoicedSound& recording, Clock clock) {
    const milliseconds slot = slot_of(one);
    Heard heard;
    heard.voiced = s_of_frames(one.sound.voiced_between(milliseconds(0), slot));
    heard.slot = slot;
    if (!one.stream) return heard;
    const milliseconds from = clock.at(one.stream->opened) - kSeenLate, to = clock.at(one.stream->closed) + kSeenLate;
    heard.heard = std::min(heard.voiced, s_of_frames(recording.voiced_between(from, to)));
    const auto voice = recording.first_voiced(from), spoken = one.sound.first_voiced(milliseconds(0));
    if (voice && spoken && *voice < to) heard.started = *voice - *spoken;
    heard.open_for = one.stream->closed - one.stream->opened;
    return heard;
}

// The page closes each narration before it plays the next: one still on the
// server when the next one's stream opens, with voice left to play then, is
// heard after its close, over the next.
std::string heard_after_close(const std::vector<Played>& played) {
    std::string names;
    for (std::size_t i = 0; i + 1 < played.size(); ++i) {
        const auto& one = played[i].stream;
        const auto& next = played[i + 1].stream;
        if (!one || !next) continue;
        const double voice_ends = one->opened + s(played[i].sound.spoken_end());
        if (std::min(one->closed, voice_ends) > next->opened + s(kSeenLate))
            names += " " + played[i].narration->sound;
    }
    return names.empty() ? " none" : names;
}

double share(double heard, double voiced) { return voiced > 0 ? 100 * heard / voiced : 100.0; }

int report(const std::string& unit, int page, const harness::VoicedSound& recording,
           const std::vector<Stream>& streams, const fs::path& sounds,
           const harness::PageTimeline& timeline) {
    const auto reference = harness::voiced_sound(sounds / timeline.narrations.front().sound);
    const auto onset = recording.first_voiced(milliseconds(0));
    if (streams.empty()) {
        std::cerr << "heard: no stream event could be read\n";
        return 1;
    }
    if (!reference || !reference->first_voiced(milliseconds(0)) || !onset) {
        std::cerr << "heard: the reference is not in the recording\n";
        return 1;
    }
    Clock clock{s(*onset) - s(*reference->first_voiced(milliseconds(0))) - streams.front().opened};
    std::vector<Played> played;
    for (const harness::Narration& narration : timeline.narrations)
        if (auto sound = harness::voiced_sound(sounds / narration.sound))
            played.push_back({&narration, std::move(*sound), std::nullopt});
    const std::size_t given = give_streams(played, streams);
    const milliseconds shift = best_shift(recording, played, clock);
    clock.lag += s(shift);
    std::printf("%s page %d: each narration's slot on the page, its voiced time within the slot, the\n"
                "voiced time heard while its stream was open, the share, when it started against\n"
                "its traced time (both counted from the page's first narration), when its stream\n"
                "opened (from the first one's) and how long it was open.  The page's voices were\n"
                "heard %.2f s from where the reference's timing puts them.\n",
                unit.c_str(), page, s(shift));
    Heard total;
    const Played* lowest = nullptr;
    double lowest_share = 101;
    std::optional<milliseconds> first, last_off, most_off;
    for (const Played& one : played) {
        const Heard heard = hear(one, recording, clock);
        total.voiced += heard.voiced;
        total.heard += heard.heard;
        if (share(heard.heard, heard.voiced) < lowest_share) lowest = &one, lowest_share = share(heard.heard, heard.voiced);
        if (!first && heard.started) first = *heard.started - one.narration->start;
        char start[16] = "  unheard", open[16] = "plays on", at[16] = "      -";
        if (first && heard.started) {
            last_off = *heard.started - one.narration->start - *first;
            if (!most_off || abs(*last_off) > abs(*most_off)) most_off = last_off;
            std::snprintf(start, sizeof start, "%+7.3f s", s(*last_off));
        }
        if (!one.stream) std::snprintf(open, sizeof open, "-");
        else if (heard.open_for < kPlaysOn) std::snprintf(open, sizeof open, "%6.2f s", heard.open_for);
        if (one.stream) std::snprintf(at, sizeof at, "%7.2f", one.stream->opened - streams[1].opened);
        std::printf("  %-12s slot %6.2f s  voiced %5.2f s  heard %5.2f s  %5.1f %%  start %s  opened at %s  open %s  %s\n",
                    one.narration->sound.c_str(), s(heard.slot), heard.voiced, heard.heard,
                    share(heard.heard, heard.voiced), start, at, open, one.narration->sentence.c_str());
    }
    std::printf("  heard after its close:%s\n", heard_after_close(played).c_str());
    if (given != played.size() || given + 1 != streams.size())
        std::printf("  (the server saw %zu narration streams, the page plays %zu)\n", streams.size() - 1, played.size());
    std::printf("%s page %d: heard %.2f of %.2f voiced seconds, %.1f %%; lowest %.1f %% (%s); drift %+.3f s, "
                "most off %+.3f s\n",
                unit.c_str(), page, total.heard, total.voiced, share(total.heard, total.voiced), lowest_share,
                lowest ? lowest->narration->sound.c_str() : "-", s(last_off.value_or(milliseconds(0))),
                s(most_off.value_or(milliseconds(0))));
    return 0;
}

// From the page's start until its last narration has ended and a little
// more, for the drawing between pauses and the way to the page.
double listening_time(const harness::PageTimeline& timeline, const fs::path& sounds) {
    milliseconds last{0};
    for (const harness::Drawing& drawing : timeline.drawings) last = std::max(last, drawing.at);
    for (const harness::Narration& narration : timeline.narrations) {
        const auto sound = harness::voiced_sound(sounds / narration.sound);
        const milliseconds heard = narration.closed ? *narration.closed : narration.start + sound.value_or(harness::VoicedSound{}).length();
        last = std::max(last, heard);
    }
    return s(last) * 1.05 + 4;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = platform::answer_options(argc, argv, kUsage)) return *status;
    if (argc != 3 && argc != 5) return platform::refuse_call(kUsage);
    const std::string unit = argv[1];
    const int page = std::atoi(argv[2]);
    const fs::path trace = fs::path(COURSE_TESTS_DIR) / "units" / unit / "traces" /
                           ("page" + std::to_string(page) + ".trace");
    const fs::path sounds = fs::path(COURSE_SOUNDS_DIR) / unit;
    if (!fs::exists(trace)) {
        std::cerr << "heard: " << unit << " has no explanation page " << argv[2] << "\n";
        return 2;
    }
    const harness::PageTimeline timeline = harness::page_timeline(
        trace, sounds, harness::narration_sentences(fs::path(COURSE_UNITS_DIR) / unit / "narration.txt"));
    if (argc == 3) {
        std::printf("%.1f\n", listening_time(timeline, sounds));
        return 0;
    }
    const std::optional<harness::VoicedSound> recording = harness::voiced_sound(argv[3]);
    if (!recording || timeline.narrations.empty()) {
        std::cerr << "heard: no 16-bit recording in " << argv[3] << ", or no narration on the page\n";
        return 1;
    }
    return report(unit, page, *recording, streams_of(argv[4]), sounds, timeline);
}
