// What each wire of a plug did over a run, from its samples.
//
// A port pulls its open inputs high, so an input that stays high follows no
// output: the wire is not connected, unless its output line reads back held
// high too, which takes a short to the supply on the wire (stuck high). An
// input that stays low is held low (stuck low). One that follows another
// output of the plug is joined to that output's pin. One that follows its
// own output some of the time only has a loose contact: not connected.
#pragma once

#include <vector>

#include "loopback/PlugRun.h"

enum class Verdict { Ok, StuckHigh, StuckLow, NotConnected, Joined };

struct WireResult {
    Verdict verdict;
    int joinedPin;  // Joined: the output pin the input follows
    int wrongReads; // reads whose input level was not the output's
};

// One result per wire of the plug, in its order.
std::vector<WireResult> JudgeWires(const Plug& plug, const std::vector<Sample>& samples);

// True when no input changed at all: nothing follows any output.
bool NoInputFollowed(const std::vector<Sample>& samples);
