// A display that records every window operation the engine asks for, in order.
#pragma once

#include <functional>
#include <string>
#include <vector>

// One entry per call, e.g. "status:Invalid Word", "found:cat@0", "time:2:59".
extern std::vector<std::string> displayEvents;

// What the player has in the word field; read and emptied by submissions.
extern std::string fakeWordField;

// Run while the closing box would be on screen, as a player acting before dismissing it.
extern std::function<void()> whileClosingMessageShown;

void resetRecordingDisplay();

// The recorded events that start with `prefix`.
std::vector<std::string> eventsStartingWith(const std::string& prefix);
