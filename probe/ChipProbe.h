// What a parallel port's chip answers to: SPP, the ECR, PS/2, PPF, ECP and
// EPP, each tried on the registers themselves and said in one line with its
// evidence; Data, Control and the ECR put back as they were found, whatever
// happens.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "port/IoPorts.h"

struct ProbeTarget {
    std::string name; // "LPT1", "parport0", "Port" for an address given alone
    uint16_t base = 0;
    uint16_t ext = 0;
    // Only Data, Status and Control in reach (ppdev): the modes the kernel
    // found, by the window's names, are said for the ECR, PPF, ECP and EPP
    // instead of trying them.
    std::vector<std::string> kernelModes;
    bool onlyBaseInReach = false;
};

enum class ProbeOutcome { Answered, NothingAnswers, Interrupted };

// One line, without its newline.
using SayLine = std::function<void(const std::string& line)>;

// A SayLine to standard output, flushed at once so that each step shows as
// it ends.
void PrintLine(const std::string& line);

// The line said before any register is written.
extern const char kProbeWarning[];

// Probes one port, saying its address line first. `stop` is asked between
// the steps; once it says so, the registers are put back and that is said.
ProbeOutcome ProbeChip(const ProbeTarget& target, IoPorts& io, const std::function<bool()>& stop,
                       const SayLine& say);

// The warning, then each target in turn, until one is interrupted. The exit
// status: 0 when a port answered, else 1.
int ProbePorts(const std::vector<ProbeTarget>& targets, IoPorts& io,
               const std::function<bool()>& stop, const SayLine& say);
