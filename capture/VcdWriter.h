// The record as a Value Change Dump (IEEE 1364), which GTKWave, PulseView
// and sigrok-cli open: one 1-bit wire per pin, named by its number and
// signal name ("pin02_D0", "pin14_Auto_Feed") so that viewers list them in
// connector order.
//
// PulseView and sigrok turn a VCD into one sample per timescale unit, so the
// timescale is the power of ten at or below the mean time between two
// samples (finer says nothing more), made coarser until the recording spans
// at most kMostUnits units: a one-minute capture then opens there. Two
// changes that fall into one unit are written one unit apart, so no pulse
// disappears.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "capture/Recording.h"
#include "capture/Sampler.h"

constexpr double kMostUnits = 100e6;

// The timescale's unit as a power of ten of a second: -9 (1 ns) to 0 (1 s).
int TimescaleExponent(const SamplingRun& run, int64_t ticksPerSecond);

// "1 us", "100 ns", ...
std::string TimescaleText(int exponent);

void WriteVcd(std::FILE* file, const std::string& program, const Recording& recording,
              const std::vector<int>& pins, const SamplingRun& run, int64_t ticksPerSecond);
